#pragma once
// Property editors: how the object inspector shows and edits one published property of the
// selected components. The host creates one per property and selection, calls Initialize, then
// GetAttributes, GetValue, SetValue, GetValues and Edit.
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "designide/Designer.h"

enum TPropertyAttribute {
  paValueList,
  paSubProperties,
  paDialog,
  paMultiSelect,
  paAutoUpdate,
  paSortList,
  paReadOnly,
  paRevertable,
  paFullWidthName,
  paVolatileSubProperties,
  paVCL,
  paNotNestable
};
// A set of attributes, bit n for ordinal n.
using TPropertyAttributes = uint32_t;
constexpr TPropertyAttributes Attributes(std::initializer_list<TPropertyAttribute> list) {
  TPropertyAttributes set = 0;
  for (TPropertyAttribute a : list) set |= 1u << a;
  return set;
}
constexpr bool HasAttribute(TPropertyAttributes set, TPropertyAttribute a) {
  return (set & (1u << a)) != 0;
}

class TPropertyEditor : public TObject {
  OMBRIX_CLASS(TPropertyEditor)
  TPropertyEditor() = default;

  // The selected components (at least one) and the property they share.
  void Initialize(IDesigner* designer, std::vector<TPersistent*> components,
                  const TPropInfo& property);

  virtual TPropertyAttributes GetAttributes();
  // The text shown for the first selected component.
  virtual String GetValue();
  virtual void SetValue(const String& value);
  // Calls proc once per value offered in the drop-down list.
  virtual void GetValues(const TGetStrProc& proc);
  // The ellipsis button or a double click; for a value list, the next value.
  virtual void Edit();

  // Index 0 is the component the inspector shows; raises EListError outside the selection.
  TPersistent* GetComponent(int index) const;
  int PropCount() const { return static_cast<int>(FComponents.size()); }
  IDesigner* Designer() const { return FDesigner; }
  const TPropInfo& GetPropInfo() const { return *FProperty; }
  const TTypeInfo& GetPropType() const { return *FProperty->PropType; }
  String GetName() const { return FProperty->Name; }
  // Tells the designer that the form changed.
  void Modified();

 protected:
  String GetStrValue() const;
  // Sets the value on every selected component, then Modified.
  void SetStrValue(const String& value);
  int64_t GetOrdValue() const;
  void SetOrdValue(int64_t value);
  TObject* GetObjectValue() const;
  void SetObjectValue(TObject* value);

 private:
  IDesigner* FDesigner = nullptr;
  std::vector<TPersistent*> FComponents;
  const TPropInfo* FProperty = nullptr;
};

// Strings, typed freely.
class TStringProperty : public TPropertyEditor {
  OMBRIX_CLASS(TStringProperty)
  TPropertyAttributes GetAttributes() override;
  String GetValue() override;
  void SetValue(const String& value) override;
};

// Integers, typed in decimal (or as the identifier of an integer constant, such as clBtnFace).
class TIntegerProperty : public TPropertyEditor {
  OMBRIX_CLASS(TIntegerProperty)
  TPropertyAttributes GetAttributes() override;
  // Raises EPropertyError "'x' is not a valid integer value" for anything else.
  void SetValue(const String& value) override;
};

// Enumerations and Booleans: the members in a value list.
class TEnumProperty : public TPropertyEditor {
  OMBRIX_CLASS(TEnumProperty)
  TPropertyAttributes GetAttributes() override;
  // Raises EPropertyError "Invalid property value" for a name that is no member.
  void SetValue(const String& value) override;
  void GetValues(const TGetStrProc& proc) override;
};

// A reference to a component: the value is the component's name, the list offers every
// component of the property's class that the designer knows.
class TComponentProperty : public TPropertyEditor {
  OMBRIX_CLASS(TComponentProperty)
  TPropertyAttributes GetAttributes() override;
  String GetValue() override;
  // An empty name clears the reference; an unknown name or a component of another class
  // raises EPropertyError "Invalid property value".
  void SetValue(const String& value) override;
  void GetValues(const TGetStrProc& proc) override;
};

// A collection: shown as "(TParams)", edited in the host's collection editor.
class TCollectionProperty : public TPropertyEditor {
  OMBRIX_CLASS(TCollectionProperty)
  TPropertyAttributes GetAttributes() override;
  String GetValue() override;
  void Edit() override;
};
