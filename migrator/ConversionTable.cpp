#include "migrator/ConversionTable.h"

#include <array>

#include "classes/PointerMap.h"

namespace {

using F = TConvertComponent;
using K = TNewDataSetKind;
using P = TSourceProperty;

// Queries first, then tables, then stored procedures.
constexpr std::array<TConversion, 14> kConversions = {{
    {STR("TQuery"), F::convBDE, K::Query, P::SQL},
    {STR("TZQuery"), F::convZeos, K::Query, P::SQL},
    {STR("TSQLQuery"), F::convDBX, K::Query, P::SQL},
    {STR("TSQLDataset"), F::convDBX, K::Query, P::CommandText},
    {STR("TADOQuery"), F::convADO, K::Query, P::SQL},
    {STR("TADODataset"), F::convADO, K::Query, P::CommandText},
    {STR("TTable"), F::convBDE, K::Table, P::TableName},
    {STR("TZTable"), F::convZeos, K::Table, P::TableName},
    {STR("TSQLTable"), F::convDBX, K::Table, P::TableName},
    {STR("TADOTable"), F::convADO, K::Table, P::TableName},
    {STR("TStoredProc"), F::convBDE, K::StoredProc, P::StoredProcName},
    {STR("TZStoredProc"), F::convZeos, K::StoredProc, P::StoredProcName},
    {STR("TSQLStoredProc"), F::convDBX, K::StoredProc, P::StoredProcName},
    {STR("TADOStoredProc"), F::convADO, K::StoredProc, P::ProcedureName},
}};

}  // namespace

const TConversion* FindConversion(const TObject& object) {
  // A run asks several times per dataset: the class's last answer is tried first (and checked,
  // as class information may come and go).
  static thread_local TPointerMap<const TClassInfo*, const TConversion*> known;
  const TConversion** last = known.Find(&object.ClassType());
  if (last != nullptr && object.ClassNameIs((*last)->ClassName)) return *last;
  for (const TConversion& conversion : kConversions) {
    if (!object.ClassNameIs(conversion.ClassName)) continue;
    if (last != nullptr) {
      *last = &conversion;
    } else {
      known.Insert(&object.ClassType(), &conversion);
    }
    return &conversion;
  }
  return nullptr;
}

const TConversion* FindConversion(const TObject& object, TConvertComponents families) {
  const TConversion* conversion = FindConversion(object);
  return conversion != nullptr && InSet(families, conversion->Family) ? conversion : nullptr;
}

String SourcePropertyName(TSourceProperty source) {
  switch (source) {
    case P::SQL:
      return STR("SQL");
    case P::CommandText:
      return STR("CommandText");
    case P::TableName:
      return STR("TableName");
    case P::StoredProcName:
      return STR("StoredProcName");
    case P::ProcedureName:
      return STR("ProcedureName");
  }
  return String();
}

bool IsConvertibleUpdateObject(const TObject& object) {
  return object.ClassNameIs(STR("TUpdateSQL")) || object.ClassNameIs(STR("TZUpdateSQL"));
}
