#include <algorithm>
#include <map>
#include <tuple>

#include "RegistryScope.h"
#include "classes/Collection.h"

namespace {

struct TPropertyEntry {
  const TTypeInfo* Type;
  const TClassInfo* ComponentClass;
  String Name;
  TPropertyEditorClass Editor;
  String Package;
};

struct TComponentEditorEntry {
  const TClassInfo* ComponentClass;
  TComponentEditorClass Editor;
  String Package;
};

struct TPaletteRecord {
  TPaletteEntry Entry;
  String Package;
  bool AddedClass;  // the class was not registered before; unloading the package drops it
};

struct TRegistry {
  std::vector<TPropertyEntry> PropertyEditors;
  std::vector<TComponentEditorEntry> ComponentEditors;
  std::vector<TPaletteRecord> Palette;
  std::map<String, TDemandLoadState> DemandLoad;
  String CurrentPackage;
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

// Steps from cls up to ancestor; -1 when cls does not descend from it.
int Distance(const TClassInfo* cls, const TClassInfo* ancestor) {
  int steps = 0;
  for (const TClassInfo* c = cls; c != nullptr; c = c->Parent, ++steps) {
    if (c == ancestor) return steps;
  }
  return -1;
}

// How well a registration fits; -1 in the first member when it does not fit at all.
using TFit = std::tuple<int, int, int, int>;

TFit Fit(const TPropertyEntry& entry, const TClassInfo& componentClass, const TPropInfo& prop) {
  constexpr TFit kNoFit{-1, 0, 0, 0};
  if (!entry.Name.empty() && !SameText(entry.Name, prop.Name)) return kNoFit;
  int classFit = 0;  // any component
  if (entry.ComponentClass != nullptr) {
    const int d = Distance(&componentClass, entry.ComponentClass);
    if (d < 0) return kNoFit;
    classFit = 1000 - d;
  }
  int typeFit = 1000;  // the property's own type
  if (entry.Type != prop.PropType) {
    const TTypeInfo& t = *prop.PropType;
    if (t.Kind != TTypeKind::tkClass || entry.Type->Kind != TTypeKind::tkClass) return kNoFit;
    const int d = Distance(t.ClassType(), entry.Type->ClassType());
    if (d < 0) return kNoFit;
    typeFit = 1000 - d;
  }
  return {1, entry.Name.empty() ? 0 : 1, classFit, typeFit};
}

template <class T>
void DropPackage(std::vector<T>& list, const String& package) {
  std::erase_if(list, [&](const T& e) { return e.Package == package; });
}

}  // namespace

void RegisterComponents(const String& page, const std::vector<const TClassInfo*>& classes) {
  for (const TClassInfo* cls : classes) {
    if (cls == nullptr) throw EComponentError(STR("No class to register on page ") + page);
    const bool added = GetClass(cls->Name) != cls;
    RegisterClass(*cls);
    Registry().Palette.push_back({{page, cls}, Registry().CurrentPackage, added});
  }
}

void RegisterComponentEditor(const TClassInfo& componentClass, TComponentEditorClass editorClass) {
  Registry().ComponentEditors.push_back(
      {&componentClass, std::move(editorClass), Registry().CurrentPackage});
}

void RegisterPropertyEditor(const TTypeInfo& propertyType, const TClassInfo* componentClass,
                            const String& propertyName, TPropertyEditorClass editorClass) {
  Registry().PropertyEditors.push_back({&propertyType, componentClass, propertyName,
                                        std::move(editorClass), Registry().CurrentPackage});
}

void ForceDemandLoadState(TDemandLoadState state) {
  Registry().DemandLoad[Registry().CurrentPackage] = state;
}

std::vector<TPaletteEntry> PaletteEntries() {
  std::vector<TPaletteEntry> entries;
  for (const auto& record : Registry().Palette) entries.push_back(record.Entry);
  return entries;
}

TComponentEditorClass FindComponentEditorClass(const TClassInfo& componentClass) {
  const TComponentEditorEntry* best = nullptr;
  int bestDistance = 0;
  for (const auto& entry : Registry().ComponentEditors) {
    const int d = Distance(&componentClass, entry.ComponentClass);
    if (d >= 0 && (best == nullptr || d <= bestDistance)) {
      best = &entry;
      bestDistance = d;
    }
  }
  if (best != nullptr) return best->Editor;
  return ComponentEditorClass<TComponentEditor>();
}

TPropertyEditorClass FindPropertyEditorClass(const TClassInfo& componentClass,
                                             const TPropInfo& property) {
  const TPropertyEntry* best = nullptr;
  TFit bestFit{-1, 0, 0, 0};
  for (const auto& entry : Registry().PropertyEditors) {
    const TFit fit = Fit(entry, componentClass, property);
    if (std::get<0>(fit) >= 0 && fit >= bestFit) {
      best = &entry;
      bestFit = fit;
    }
  }
  if (best != nullptr) return best->Editor;
  const TTypeInfo& type = *property.PropType;
  if (type.Kind == TTypeKind::tkString) return PropertyEditorClass<TStringProperty>();
  if (type.Kind == TTypeKind::tkInteger || type.Kind == TTypeKind::tkInt64) {
    return PropertyEditorClass<TIntegerProperty>();
  }
  if (type.Kind == TTypeKind::tkEnumeration) return PropertyEditorClass<TEnumProperty>();
  if (type.Kind == TTypeKind::tkClass && type.ClassType() != nullptr) {
    if (type.ClassType()->InheritsFrom(TComponent::StaticClass())) {
      return PropertyEditorClass<TComponentProperty>();
    }
    if (type.ClassType()->InheritsFrom(TCollection::StaticClass())) {
      return PropertyEditorClass<TCollectionProperty>();
    }
  }
  return PropertyEditorClass<TPropertyEditor>();
}

std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent* component, IDesigner* designer) {
  auto editor = FindComponentEditorClass(component->ClassType()).Create();
  editor->Initialize(component, designer);
  return editor;
}

std::unique_ptr<TPropertyEditor> GetPropertyEditor(IDesigner* designer,
                                                   const std::vector<TPersistent*>& components,
                                                   StringView propertyName) {
  if (components.empty()) throw EPropertyError(STR("No component is selected"));
  const TPropInfo* prop = nullptr;
  for (const TPersistent* c : components) {
    prop = GetPropInfo(c, propertyName);
    if (prop == nullptr) {
      throw EPropertyError(c->ClassName() + STR(" has no property ") + String(propertyName));
    }
  }
  prop = GetPropInfo(components.front(), propertyName);
  auto editor = FindPropertyEditorClass(components.front()->ClassType(), *prop).Create();
  editor->Initialize(designer, components, *prop);
  return editor;
}

void BeginPackageRegistration(const String& package) {
  Registry().CurrentPackage = package;
}

void EndPackageRegistration() {
  Registry().CurrentPackage.clear();
}

void UnregisterPackage(const String& package) {
  TRegistry& r = Registry();
  for (const auto& record : r.Palette) {
    if (record.Package == package && record.AddedClass) UnRegisterClass(*record.Entry.Class);
  }
  DropPackage(r.Palette, package);
  DropPackage(r.ComponentEditors, package);
  DropPackage(r.PropertyEditors, package);
  r.DemandLoad.erase(package);
}

TDemandLoadState DemandLoadState(const String& package) {
  auto found = Registry().DemandLoad.find(package);
  return found == Registry().DemandLoad.end() ? dlDefault : found->second;
}

std::vector<TPaletteEntry> PackagePalette(const String& package) {
  std::vector<TPaletteEntry> entries;
  for (const auto& record : Registry().Palette) {
    if (record.Package == package) entries.push_back(record.Entry);
  }
  return entries;
}

std::vector<TComponentEditorRegistration> PackageComponentEditors(const String& package) {
  std::vector<TComponentEditorRegistration> list;
  for (const auto& entry : Registry().ComponentEditors) {
    if (entry.Package == package) list.push_back({entry.ComponentClass, entry.Editor.Class});
  }
  return list;
}

std::vector<TPropertyEditorRegistration> PackagePropertyEditors(const String& package) {
  std::vector<TPropertyEditorRegistration> list;
  for (const auto& entry : Registry().PropertyEditors) {
    if (entry.Package == package) {
      list.push_back({entry.Type, entry.ComponentClass, entry.Name, entry.Editor.Class});
    }
  }
  return list;
}
