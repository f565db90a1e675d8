// Sets the properties of a form object on a component through the run-time type information.
#include "FormBuilder.h"
#include "classes/BinaryData.h"
#include "classes/Collection.h"
#include "classes/IntegerConsts.h"
#include "classes/StringList.h"

namespace {

struct TContext {
  TFormBuilder& Builder;
  TComponent* Component;
  TComponent* LookupRoot;
  bool InItem;
};

[[noreturn]] void Invalid() {
  throw EConvertError(STR("Invalid property value"));
}

int64_t SetMask(const TTypeInfo& type, const std::vector<String>& names) {
  int64_t mask = 0;
  for (const String& name : names) {
    const int64_t bit = GetEnumValue(type, name);
    if (bit < 0 || bit >= 64) Invalid();
    mask |= int64_t{1} << bit;
  }
  return mask;
}

void ReadStrings(TStringList* list, const TFormValue& value) {
  if (value.Kind != TFormValueKind::fvList) Invalid();
  for (const TFormValue& item : value.Items()) {
    if (item.Kind != TFormValueKind::fvString) Invalid();
  }
  list->BeginUpdate();
  list->Clear();
  for (const TFormValue& item : value.Items()) list->Add(item.Text);
  list->EndUpdate();
}

// Left and Top of a component that does not publish them: its place on the designer surface.
void ReadDesignPosition(TComponent* component, StringView name, const TFormValue& value) {
  if (value.Kind != TFormValueKind::fvInteger) Invalid();
  const auto info = static_cast<uint32_t>(component->DesignInfo());
  const uint32_t word = static_cast<uint16_t>(value.Int);
  const uint32_t updated =
      SameText(name, STR("Left")) ? (info & 0xFFFF0000u) | word : (info & 0xFFFFu) | (word << 16);
  component->SetDesignInfo(static_cast<int32_t>(updated));
}

void ReadProperty(const TContext& context, TObject* target, const TFormProperty& property);

void ReadCollection(const TContext& context, TCollection* collection, const TFormValue& value) {
  const TContext itemContext{context.Builder, context.Component, context.LookupRoot, true};
  collection->BeginUpdate();
  try {
    collection->Clear();
    for (const TFormItem& item : value.CollectionItems()) {
      TCollectionItem* created = collection->Add();
      for (const TFormProperty& p : item.Properties) ReadProperty(itemContext, created, p);
    }
  } catch (...) {
    collection->EndUpdate();
    throw;
  }
  collection->EndUpdate();
}

void ReadValue(const TContext& context, TObject* target, const TPropInfo& prop,
               const TFormProperty& property) {
  const TFormValue& value = property.Value;
  const TTypeInfo& type = *prop.PropType;
  switch (prop.Kind()) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkInt64:
      if (value.Kind == TFormValueKind::fvInteger) {
        SetPropValue(target, prop, value.Int);
      } else if (value.Kind == TFormValueKind::fvIdent) {
        const auto number = IdentToInt(type, value.Text);
        if (!number) Invalid();
        SetPropValue(target, prop, *number);
      } else {
        Invalid();
      }
      return;
    case TTypeKind::tkEnumeration: {
      if (value.Kind != TFormValueKind::fvIdent) Invalid();
      const int64_t ordinal = GetEnumValue(type, value.Text);
      if (ordinal < 0) Invalid();
      SetPropValue(target, prop, ordinal);
      return;
    }
    case TTypeKind::tkSet:
      if (value.Kind != TFormValueKind::fvSet) Invalid();
      SetPropValue(target, prop, SetMask(type, value.Names()));
      return;
    case TTypeKind::tkFloat:
      if (value.Kind != TFormValueKind::fvFloat && value.Kind != TFormValueKind::fvInteger) {
        Invalid();
      }
      SetPropValue(target, prop, value.AsFloat());
      return;
    case TTypeKind::tkString:
      if (value.Kind != TFormValueKind::fvString) Invalid();
      SetPropValue(target, prop, value.Text);
      return;
    case TTypeKind::tkMethod:
      if (value.Kind != TFormValueKind::fvIdent) Invalid();
      SetPropValue(target, prop, TMethod{context.LookupRoot, value.Text});
      return;
    case TTypeKind::tkClass:
      if (value.Kind == TFormValueKind::fvCollection) {
        const TValue current = GetPropValue(target, prop);
        const auto* object = std::get_if<TObject*>(&current);
        auto* collection = object != nullptr ? dynamic_cast<TCollection*>(*object) : nullptr;
        if (collection == nullptr) Invalid();
        ReadCollection(context, collection, value);
        return;
      }
      if (value.Kind != TFormValueKind::fvIdent) Invalid();
      if (SameText(value.Text, STR("nil"))) {
        SetPropValue(target, prop, static_cast<TObject*>(nullptr));
        return;
      }
      if (type.ClassType() == nullptr ||
          !type.ClassType()->InheritsFrom(TComponent::StaticClass())) {
        Invalid();
      }
      context.Builder.Pending.push_back({context.Component,
                                         context.InItem ? TFormName() : property.Name, target,
                                         &prop, value.Text, context.LookupRoot, property.Source});
      return;
    case TTypeKind::tkRecord:
      if (&type != &TypeInfoBinary() || value.Kind != TFormValueKind::fvBinary) Invalid();
      SetPropValue(target, prop, std::any(TBinaryData(value.Bytes().begin(), value.Bytes().end())));
      return;
  }
  Invalid();
}

// Follows a dotted name to the property it sets; false when a part is not published.
bool ReadPath(const TContext& context, TObject* target, const TFormProperty& property) {
  const StringView path = property.Name;
  TObject* object = target;
  const TPropInfo* prop = context.Builder.FindProp(object->ClassType(), property.Name);
  size_t start = 0;
  for (size_t dot = path.find('.'); dot != StringView::npos;) {
    start = dot + 1;
    if (prop == nullptr || prop->Kind() != TTypeKind::tkClass) return false;
    const TValue value = GetPropValue(object, *prop);
    const auto* inner = std::get_if<TObject*>(&value);
    if (inner == nullptr || *inner == nullptr) return false;
    if (SameText(path.substr(start), STR("Strings")) && (*inner)->Is<TStringList>()) {
      ReadStrings(static_cast<TStringList*>(*inner), property.Value);
      return true;
    }
    object = *inner;
    dot = path.find('.', start);
    prop = object->ClassType().FindProp(path.substr(start, dot - start));
  }
  if (prop == nullptr) {
    const StringView last = path.substr(start);
    if (start == 0 && object == context.Component && !context.InItem &&
        (SameText(last, STR("Left")) || SameText(last, STR("Top")))) {
      ReadDesignPosition(context.Component, last, property.Value);
      return true;
    }
    return false;
  }
  ReadValue(context, object, *prop, property);
  return true;
}

void ReadProperty(const TContext& context, TObject* target, const TFormProperty& property) {
  const auto label = [&] {
    const TComponent* c = context.Component;
    return (c->Name().empty() ? c->ClassName() : c->Name()) + STR(".") + property.Name;
  };
  bool known = false;
  try {
    known = ReadPath(context, target, property);
  } catch (const EFormError&) {
    throw;
  } catch (const Exception& e) {
    context.Builder.Problem(STR("Error reading ") + label() + STR(": ") + e.Message(),
                            property.Source);
    return;
  }
  if (!known && !context.Builder.Options().AllowUnknownProperties) {
    context.Builder.Fail(STR("Error reading ") + label() + STR(": Property ") + property.Name +
                             STR(" does not exist"),
                         property.Source);
  }
}

}  // namespace

void ReadComponentProperties(TFormBuilder& builder, TComponent* component,
                             const TFormProperties& properties, TComponent* lookupRoot) {
  const TContext context{builder, component, lookupRoot, false};
  for (const TFormProperty& p : properties) ReadProperty(context, component, p);
}
