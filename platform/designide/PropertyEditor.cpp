#include "designide/PropertyEditor.h"

#include <sstream>

#include "classes/IntegerConsts.h"

const TClassInfo& TPropertyEditor::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPropertyEditor, TObject>(STR("TPropertyEditor")).Build();
  return info;
}

void TPropertyEditor::Initialize(IDesigner* designer, std::vector<TPersistent*> components,
                                 const TPropInfo& property) {
  if (components.empty()) throw EPropertyError(STR("A property editor needs a component"));
  FDesigner = designer;
  FComponents = std::move(components);
  FProperty = &property;
}

TPropertyAttributes TPropertyEditor::GetAttributes() {
  return Attributes({paRevertable});
}

namespace {

String SetText(const TTypeInfo& type, int64_t mask) {
  String text = STR("[");
  for (size_t i = 0; i < type.EnumNames.size() && i < 64; ++i) {
    if ((mask & (int64_t{1} << i)) == 0) continue;
    if (text.size() > 1) text += STR(",");
    text += type.EnumNames[i];
  }
  return text + STR("]");
}

}  // namespace

// The value as the inspector writes it: numbers, names of enumeration members and sets,
// identifiers of named integers, the class of an object, the handler of an event.
String TPropertyEditor::GetValue() {
  const TValue value = GetPropValue(GetComponent(0), *FProperty);
  const TTypeInfo& type = GetPropType();
  switch (type.Kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkInt64:
      if (auto ident = IntToIdent(type, std::get<int64_t>(value))) return *ident;
      return IntToStr(std::get<int64_t>(value));
    case TTypeKind::tkEnumeration:
      return GetEnumName(type, std::get<int64_t>(value));
    case TTypeKind::tkSet:
      return SetText(type, std::get<int64_t>(value));
    case TTypeKind::tkFloat: {
      std::ostringstream text;
      text << std::get<double>(value);
      return FromUtf8(text.str());
    }
    case TTypeKind::tkString:
      return std::get<String>(value);
    case TTypeKind::tkClass: {
      TObject* object = std::get<TObject*>(value);
      return object == nullptr ? String() : STR("(") + object->ClassName() + STR(")");
    }
    case TTypeKind::tkMethod:
      return std::get<TMethod>(value).Name;
    case TTypeKind::tkRecord:
      break;
  }
  return STR("(Unknown)");
}

void TPropertyEditor::SetValue(const String&) {}

void TPropertyEditor::GetValues(const TGetStrProc&) {}

// A value list steps to the value after the current one, wrapping around.
void TPropertyEditor::Edit() {
  if (!HasAttribute(GetAttributes(), paValueList)) return;
  std::vector<String> values;
  GetValues([&](const String& v) { values.push_back(v); });
  if (values.empty()) return;
  const String current = GetValue();
  size_t next = 0;
  for (size_t i = 0; i < values.size(); ++i) {
    if (SameText(values[i], current)) next = (i + 1) % values.size();
  }
  SetValue(values[next]);
}

TPersistent* TPropertyEditor::GetComponent(int index) const {
  if (index < 0 || index >= PropCount()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  return FComponents[static_cast<size_t>(index)];
}

void TPropertyEditor::Modified() {
  if (FDesigner != nullptr) FDesigner->Modified();
}

String TPropertyEditor::GetStrValue() const {
  return std::get<String>(GetPropValue(GetComponent(0), *FProperty));
}

void TPropertyEditor::SetStrValue(const String& value) {
  for (TPersistent* c : FComponents) SetPropValue(c, *FProperty, value);
  Modified();
}

int64_t TPropertyEditor::GetOrdValue() const {
  return std::get<int64_t>(GetPropValue(GetComponent(0), *FProperty));
}

void TPropertyEditor::SetOrdValue(int64_t value) {
  for (TPersistent* c : FComponents) SetPropValue(c, *FProperty, value);
  Modified();
}

TObject* TPropertyEditor::GetObjectValue() const {
  return std::get<TObject*>(GetPropValue(GetComponent(0), *FProperty));
}

void TPropertyEditor::SetObjectValue(TObject* value) {
  for (TPersistent* c : FComponents) SetPropValue(c, *FProperty, value);
  Modified();
}
