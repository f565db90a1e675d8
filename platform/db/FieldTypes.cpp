#include "db/FieldTypes.h"

const TTypeInfo& TypeInfoFieldType() {
  static const TTypeInfo info{
      TTypeKind::tkEnumeration,
      STR("TFieldType"),
      {STR("ftUnknown"),      STR("ftString"),      STR("ftSmallint"),      STR("ftInteger"),
       STR("ftWord"),         STR("ftBoolean"),     STR("ftFloat"),         STR("ftCurrency"),
       STR("ftBCD"),          STR("ftDate"),        STR("ftTime"),          STR("ftDateTime"),
       STR("ftBytes"),        STR("ftVarBytes"),    STR("ftAutoInc"),       STR("ftBlob"),
       STR("ftMemo"),         STR("ftGraphic"),     STR("ftFmtMemo"),       STR("ftParadoxOle"),
       STR("ftDBaseOle"),     STR("ftTypedBinary"), STR("ftCursor"),        STR("ftFixedChar"),
       STR("ftWideString"),   STR("ftLargeint"),    STR("ftADT"),           STR("ftArray"),
       STR("ftReference"),    STR("ftDataSet"),     STR("ftOraBlob"),       STR("ftOraClob"),
       STR("ftVariant"),      STR("ftInterface"),   STR("ftIDispatch"),     STR("ftGuid"),
       STR("ftTimeStamp"),    STR("ftFMTBcd"),      STR("ftFixedWideChar"), STR("ftWideMemo"),
       STR("ftOraTimeStamp"), STR("ftOraInterval"), STR("ftLongWord"),      STR("ftShortint"),
       STR("ftByte"),         STR("ftExtended")},
      nullptr};
  return info;
}
