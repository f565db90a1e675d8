#include "db/DBClasses.h"

#include "classes/FormLoader.h"

#include "db/BinaryFields.h"
#include "db/BooleanField.h"
#include "db/DataSource.h"
#include "db/DateTimeFields.h"
#include "db/GenericField.h"
#include "db/NumericFields.h"
#include "db/Params.h"
#include "db/StringFields.h"

const TClassInfo* DefaultFieldClass(TFieldType type) {
  using enum TFieldType;
  switch (type) {
    case ftString:
    case ftFixedChar:
    case ftGuid:
      return &TStringField::StaticClass();
    case ftWideString:
    case ftFixedWideChar:
      return &TWideStringField::StaticClass();
    case ftSmallint:
    case ftShortint:
    case ftByte:
      return &TSmallintField::StaticClass();
    case ftInteger:
      return &TIntegerField::StaticClass();
    case ftWord:
      return &TWordField::StaticClass();
    case ftAutoInc:
      return &TAutoIncField::StaticClass();
    case ftLargeint:
    case ftLongWord:
      return &TLargeintField::StaticClass();
    case ftBoolean:
      return &TBooleanField::StaticClass();
    case ftFloat:
    case ftExtended:
      return &TFloatField::StaticClass();
    case ftCurrency:
      return &TCurrencyField::StaticClass();
    case ftBCD:
    case ftFMTBcd:
      return &TBCDField::StaticClass();
    case ftDate:
      return &TDateField::StaticClass();
    case ftTime:
      return &TTimeField::StaticClass();
    case ftDateTime:
    case ftTimeStamp:
    case ftOraTimeStamp:
      return &TDateTimeField::StaticClass();
    case ftBytes:
      return &TBytesField::StaticClass();
    case ftVarBytes:
      return &TVarBytesField::StaticClass();
    case ftBlob:
    case ftGraphic:
    case ftTypedBinary:
    case ftParadoxOle:
    case ftDBaseOle:
    case ftOraBlob:
      return &TBlobField::StaticClass();
    case ftMemo:
    case ftFmtMemo:
    case ftWideMemo:
    case ftOraClob:
      return &TMemoField::StaticClass();
    default:
      return nullptr;
  }
}

void RegisterDBClasses() {
  RegisterClassesUnit();
  for (const TClassInfo* cls : {&TDataSet::StaticClass(),         &TDataSource::StaticClass(),
                                &TField::StaticClass(),           &TStringField::StaticClass(),
                                &TWideStringField::StaticClass(), &TNumericField::StaticClass(),
                                &TIntegerField::StaticClass(),    &TSmallintField::StaticClass(),
                                &TWordField::StaticClass(),       &TAutoIncField::StaticClass(),
                                &TLargeintField::StaticClass(),   &TFloatField::StaticClass(),
                                &TCurrencyField::StaticClass(),   &TBCDField::StaticClass(),
                                &TBooleanField::StaticClass(),    &TDateTimeField::StaticClass(),
                                &TDateField::StaticClass(),       &TTimeField::StaticClass(),
                                &TBinaryField::StaticClass(),     &TBytesField::StaticClass(),
                                &TVarBytesField::StaticClass(),   &TBlobField::StaticClass(),
                                &TMemoField::StaticClass(),       &TGenericField::StaticClass(),
                                &TFieldDef::StaticClass(),        &TFieldDefs::StaticClass(),
                                &TIndexDef::StaticClass(),        &TIndexDefs::StaticClass(),
                                &TParam::StaticClass(),           &TParams::StaticClass()}) {
    RegisterClass(*cls);
  }
  // Whatever a dataset's block holds is a field, also of a class this host does not know.
  RegisterUnknownClassHandler(
      STR("db.fields"),
      [](StringView className, TComponent* parent, TComponent* owner) -> TComponent* {
        if (parent == nullptr || !parent->Is<TDataSet>()) return nullptr;
        return new TGenericField(owner, className);
      });
}
