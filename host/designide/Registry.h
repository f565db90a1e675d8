#pragma once
// What a package registers with the designer: palette pages of component classes, component
// editors and property editors.
//
// Editor lookup follows the host's rule: of the registrations that fit, the most specific wins
// (one naming the property before one for any name, then one whose component class is nearer
// the component's own class, then one whose property type is nearer the property's own type);
// of equally specific ones, the later wins.
#include <functional>
#include <memory>
#include <vector>

#include "designide/ComponentEditor.h"
#include "designide/PropertyEditor.h"

struct TPropertyEditorClass {
  const TClassInfo* Class = nullptr;
  std::function<std::unique_ptr<TPropertyEditor>()> Create;
};
template <class Editor>
TPropertyEditorClass PropertyEditorClass() {
  return {&Editor::StaticClass(), [] { return std::make_unique<Editor>(); }};
}

struct TComponentEditorClass {
  const TClassInfo* Class = nullptr;
  std::function<std::unique_ptr<TComponentEditor>()> Create;
};
template <class Editor>
TComponentEditorClass ComponentEditorClass() {
  return {&Editor::StaticClass(), [] { return std::make_unique<Editor>(); }};
}

// Puts the classes on the palette page, in this order, and registers them by name.
void RegisterComponents(const String& page, const std::vector<const TClassInfo*>& classes);
void RegisterComponentEditor(const TClassInfo& componentClass, TComponentEditorClass editorClass);
// componentClass null and propertyName empty mean every component and every property name.
void RegisterPropertyEditor(const TTypeInfo& propertyType, const TClassInfo* componentClass,
                            const String& propertyName, TPropertyEditorClass editorClass);

enum TDemandLoadState { dlDefault, dlDisable };
// Sets how the current package is loaded at the next start of the designer.
void ForceDemandLoadState(TDemandLoadState state);

struct TPaletteEntry {
  String Page;
  const TClassInfo* Class;
};
// The palette, in registration order.
std::vector<TPaletteEntry> PaletteEntries();

// The editor class for the component: the registered one, or the base (no verbs).
TComponentEditorClass FindComponentEditorClass(const TClassInfo& componentClass);
// The editor class for the property on the component class: the registered one, or the
// host's default for the property's kind (strings, component references, collections).
TPropertyEditorClass FindPropertyEditorClass(const TClassInfo& componentClass,
                                             const TPropInfo& property);
// A ready editor for the component, or for the named property of the selection (every
// component must publish it; raises EPropertyError otherwise).
std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent* component, IDesigner* designer);
std::unique_ptr<TPropertyEditor> GetPropertyEditor(IDesigner* designer,
                                                   const std::vector<TPersistent*>& components,
                                                   StringView propertyName);
