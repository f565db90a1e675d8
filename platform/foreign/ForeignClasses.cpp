#include "foreign/ForeignClasses.h"

#include <map>
#include <memory>

#include "db/DBClasses.h"
#include "db/DataSource.h"

namespace {

enum class TForeignKind { DataSet, UpdateObject, Connection };

struct TForeignClassDef {
  const Char* Name;
  TForeignKind Kind;
  std::vector<TForeignPropDef> Props;
};

using K = TForeignPropKind;

// Properties that several families share.
const TForeignPropDef kSQL{STR("SQL"), K::Strings};
const TForeignPropDef kDataSource{STR("DataSource"), K::MasterSource};
const TForeignPropDef kMasterSource{STR("MasterSource"), K::MasterSource};
const TForeignPropDef kFiltered{STR("Filtered"), K::Filtered};
const TForeignPropDef kFilter{STR("Filter"), K::Filter};
const TForeignPropDef kTableName{STR("TableName"), K::String};
const TForeignPropDef kIndexName{STR("IndexName"), K::String};
const TForeignPropDef kIndexFieldNames{STR("IndexFieldNames"), K::String};
const TForeignPropDef kMasterFields{STR("MasterFields"), K::String};
const TForeignPropDef kStoredProcName{STR("StoredProcName"), K::String};
const TForeignPropDef kCommandText{STR("CommandText"), K::String};
const TForeignPropDef kCachedUpdates{STR("CachedUpdates"), K::Boolean};
const TForeignPropDef kReadOnly{STR("ReadOnly"), K::Boolean};
const TForeignPropDef kLoginPrompt{STR("LoginPrompt"), K::Boolean};
const TForeignPropDef kParamsText{STR("Params"), K::Strings};
const TForeignPropDef kUpdateObject{STR("UpdateObject"), K::Reference, STR("TForeignUpdateObject")};
const TForeignPropDef kModifySQL{STR("ModifySQL"), K::Strings};
const TForeignPropDef kInsertSQL{STR("InsertSQL"), K::Strings};
const TForeignPropDef kDeleteSQL{STR("DeleteSQL"), K::Strings};
// The connection links of each family.
const TForeignPropDef kDatabaseName{STR("DatabaseName"), K::String};
const TForeignPropDef kSessionName{STR("SessionName"), K::String};
const TForeignPropDef kADOConnection{STR("Connection"), K::Reference, STR("TADOConnection")};
const TForeignPropDef kConnectionString{STR("ConnectionString"), K::String};
const TForeignPropDef kSQLConnection{STR("SQLConnection"), K::Reference, STR("TSQLConnection")};
const TForeignPropDef kZConnection{STR("Connection"), K::Reference, STR("TZConnection")};

// Connections first: datasets refer to them. dbExpress datasets have no Filter or Filtered.
const std::vector<TForeignClassDef>& ClassTable() {
  static const std::vector<TForeignClassDef> table = {
      {STR("TSession"),
       TForeignKind::Connection,
       {{STR("SessionName"), K::String}, {STR("KeepConnections"), K::Boolean}}},
      {STR("TDatabase"),
       TForeignKind::Connection,
       {kDatabaseName,
        {STR("AliasName"), K::String},
        {STR("DriverName"), K::String},
        kSessionName,
        kLoginPrompt,
        kParamsText,
        {STR("KeepConnection"), K::Boolean}}},
      {STR("TADOConnection"),
       TForeignKind::Connection,
       {kConnectionString,
        {STR("DefaultDatabase"), K::String},
        {STR("Provider"), K::String},
        kLoginPrompt}},
      {STR("TSQLConnection"),
       TForeignKind::Connection,
       {{STR("ConnectionName"), K::String},
        {STR("DriverName"), K::String},
        {STR("LibraryName"), K::String},
        {STR("VendorLib"), K::String},
        {STR("GetDriverFunc"), K::String},
        kLoginPrompt,
        kParamsText}},
      {STR("TZConnection"),
       TForeignKind::Connection,
       {{STR("Protocol"), K::String},
        {STR("HostName"), K::String},
        {STR("Port"), K::Integer},
        {STR("Database"), K::String},
        {STR("User"), K::String},
        {STR("Password"), K::String},
        {STR("Catalog"), K::String},
        kLoginPrompt,
        {STR("Properties"), K::Strings}}},

      {STR("TUpdateSQL"), TForeignKind::UpdateObject, {kModifySQL, kInsertSQL, kDeleteSQL}},
      {STR("TZUpdateSQL"), TForeignKind::UpdateObject, {kDeleteSQL, kInsertSQL, kModifySQL}},

      {STR("TQuery"),
       TForeignKind::DataSet,
       {kDatabaseName,
        kSessionName,
        kSQL,
        kDataSource,
        kCachedUpdates,
        {STR("RequestLive"), K::Boolean},
        kUpdateObject,
        kFiltered,
        kFilter}},
      {STR("TTable"),
       TForeignKind::DataSet,
       {kDatabaseName, kSessionName, kTableName, kIndexName, kIndexFieldNames, kMasterFields,
        kMasterSource, kCachedUpdates, kReadOnly, kUpdateObject, kFiltered, kFilter}},
      {STR("TStoredProc"),
       TForeignKind::DataSet,
       {kDatabaseName, kSessionName, kStoredProcName, kCachedUpdates, kUpdateObject, kFiltered,
        kFilter}},
      {STR("TNestedTable"), TForeignKind::DataSet, {kReadOnly, kFiltered, kFilter}},

      {STR("TADOQuery"),
       TForeignKind::DataSet,
       {kADOConnection, kConnectionString, kSQL, kDataSource, kFiltered, kFilter}},
      {STR("TADODataSet"),
       TForeignKind::DataSet,
       {kADOConnection, kConnectionString, kCommandText, kDataSource, kIndexName, kIndexFieldNames,
        kMasterFields, kFiltered, kFilter}},
      {STR("TADOTable"),
       TForeignKind::DataSet,
       {kADOConnection, kConnectionString, kTableName, kIndexName, kIndexFieldNames, kMasterFields,
        kMasterSource, kReadOnly, kFiltered, kFilter}},
      {STR("TADOStoredProc"),
       TForeignKind::DataSet,
       {kADOConnection, kConnectionString, {STR("ProcedureName"), K::String}, kFiltered, kFilter}},

      {STR("TSQLQuery"), TForeignKind::DataSet, {kSQLConnection, kSQL, kDataSource}},
      {STR("TSQLDataSet"), TForeignKind::DataSet, {kSQLConnection, kCommandText, kDataSource}},
      {STR("TSQLTable"),
       TForeignKind::DataSet,
       {kSQLConnection, kTableName, kIndexName, kIndexFieldNames, kMasterFields, kMasterSource}},
      {STR("TSQLStoredProc"), TForeignKind::DataSet, {kSQLConnection, kStoredProcName}},

      {STR("TZQuery"),
       TForeignKind::DataSet,
       {kZConnection, kSQL, kDataSource, kCachedUpdates, kReadOnly, kUpdateObject, kFiltered,
        kFilter}},
      {STR("TZTable"),
       TForeignKind::DataSet,
       {kZConnection, kTableName, kIndexFieldNames, kMasterFields, kMasterSource, kCachedUpdates,
        kReadOnly, kUpdateObject, kFiltered, kFilter}},
      {STR("TZStoredProc"),
       TForeignKind::DataSet,
       {kZConnection, kStoredProcName, kFiltered, kFilter}},
  };
  return table;
}

const TTypeInfo& SlotType(const TForeignPropDef& prop, const TClassInfo* refClass) {
  switch (prop.Kind) {
    case K::String:
    case K::Filter:
      return TypeInfoString();
    case K::Boolean:
    case K::Filtered:
      return TypeInfoBoolean();
    case K::Integer:
      return TypeInfoInteger();
    case K::Strings:
      return TypeInfoClass(TStringList::StaticClass());
    case K::Reference:
      return TypeInfoClass(*refClass);
    case K::MasterSource:
      return TypeInfoClass(TDataSource::StaticClass());
  }
  return TypeInfoString();
}

// The slots of an instance of a foreign class: the class's kind tells the instance's C++ class,
// which spares the property accessors a cross-cast at run time.
TForeignProperties& SlotsOf(TObject* o, bool dataSet) {
  if (dataSet) return *static_cast<TForeignDataSet*>(o);
  return *static_cast<TForeignComponent*>(o);
}
const TForeignProperties& SlotsOf(const TObject* o, bool dataSet) {
  if (dataSet) return *static_cast<const TForeignDataSet*>(o);
  return *static_cast<const TForeignComponent*>(o);
}

TPropInfo BuildProp(const TForeignPropDef& def, size_t slot, const TClassInfo* refClass,
                    TForeignKind classKind) {
  TPropInfo prop;
  prop.Name = def.Name;
  prop.PropType = &SlotType(def, refClass);
  switch (def.Kind) {
    case K::MasterSource:
      prop.Get = [](const TObject* o) -> TValue {
        return static_cast<TObject*>(static_cast<const TDataSet*>(o)->DataSource());
      };
      prop.Set = [](TObject* o, const TValue& v) {
        static_cast<TDataSet*>(o)->SetDataSource(As<TDataSource>(std::get<TObject*>(v)));
      };
      return prop;
    case K::Filtered:
      prop.Default = 0;
      prop.Get = [](const TObject* o) -> TValue {
        return int64_t{static_cast<const TDataSet*>(o)->Filtered()};
      };
      prop.Set = [](TObject* o, const TValue& v) {
        static_cast<TDataSet*>(o)->SetFiltered(std::get<int64_t>(v) != 0);
      };
      return prop;
    case K::Filter:
      prop.Get = [](const TObject* o) -> TValue {
        return static_cast<const TDataSet*>(o)->Filter();
      };
      prop.Set = [](TObject* o, const TValue& v) {
        static_cast<TDataSet*>(o)->SetFilter(std::get<String>(v));
      };
      return prop;
    default:
      break;
  }
  if (def.Kind == K::Boolean || def.Kind == K::Integer) prop.Default = 0;
  const bool dataSet = classKind == TForeignKind::DataSet;
  prop.Get = [slot, kind = def.Kind, dataSet](const TObject* o) {
    return SlotsOf(o, dataSet).GetSlot(slot, kind);
  };
  prop.Set = [slot, kind = def.Kind, refClass, dataSet](TObject* o, const TValue& v) {
    if (kind == K::Reference) {
      const TObject* target = std::get<TObject*>(v);
      if (target != nullptr && !target->InheritsFrom(*refClass)) throw EInvalidCast();
    }
    SlotsOf(o, dataSet).SetSlot(slot, kind, v);
  };
  return prop;
}

struct TForeignRegistry {
  std::map<String, std::unique_ptr<TClassInfo>> classes;  // by upper-case name
  TClassInfo updateObject;

  TForeignRegistry() {
    updateObject.Name = STR("TForeignUpdateObject");
    updateObject.Parent = &TForeignComponent::StaticClass();
    for (const TForeignClassDef& def : ClassTable()) Build(def);
  }

  const TClassInfo* Find(StringView name) const {
    if (SameText(name, updateObject.Name)) return &updateObject;
    const auto it = classes.find(UpperCase(name));
    return it == classes.end() ? nullptr : it->second.get();
  }

  void Build(const TForeignClassDef& def) {
    auto info = std::make_unique<TClassInfo>();
    info->Name = def.Name;
    const TClassInfo* cls = info.get();
    switch (def.Kind) {
      case TForeignKind::DataSet:
        info->Parent = &TForeignDataSet::StaticClass();
        info->Create = [cls](TComponent* owner) -> TObject* {
          return new TForeignDataSet(owner, *cls);
        };
        break;
      case TForeignKind::UpdateObject:
      case TForeignKind::Connection:
        info->Parent = def.Kind == TForeignKind::UpdateObject ? &updateObject
                                                              : &TForeignComponent::StaticClass();
        info->Create = [cls](TComponent* owner) -> TObject* {
          return new TForeignComponent(owner, *cls);
        };
        break;
    }
    for (size_t slot = 0; slot < def.Props.size(); ++slot) {
      const TForeignPropDef& prop = def.Props[slot];
      info->Props.push_back(BuildProp(
          prop, slot, prop.RefClass != nullptr ? Find(prop.RefClass) : nullptr, def.Kind));
    }
    classes[UpperCase(def.Name)] = std::move(info);
  }
};

const TForeignRegistry& Registry() {
  static const TForeignRegistry registry;
  return registry;
}

}  // namespace

const TClassInfo& ForeignUpdateObjectClass() {
  return Registry().updateObject;
}

void RegisterForeignClasses() {
  RegisterDBClasses();
  for (const auto& [name, cls] : Registry().classes) RegisterClass(*cls);
}
