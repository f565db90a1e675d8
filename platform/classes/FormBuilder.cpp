#include "FormBuilder.h"

#include "UnknownClasses.h"
#include "classes/GenericComponent.h"

namespace {

String Label(const TComponent* component) {
  return component->Name().empty() ? component->ClassName() : component->Name();
}

}  // namespace

TFormBuilder::TFormBuilder(const TFormReadOptions& options, String fileName)
    : FOptions(options), FFileName(std::move(fileName)) {}

void TFormBuilder::Fail(const String& message, int line, int column) const {
  throw EReadError(message, FFileName, line, column);
}

void TFormBuilder::Problem(const String& message, int line, int column) {
  if (!FOptions.AllowBadValues) Fail(message, line, column);
  Warnings.push_back({message, line, column});
}

void TFormBuilder::Fail(const String& message, const TFormSource& at) const {
  const auto [line, column] = at.Position();
  Fail(message, line, column);
}

void TFormBuilder::Problem(const String& message, const TFormSource& at) {
  const auto [line, column] = at.Position();
  Problem(message, line, column);
}

template <class TLookup>
const void* TFormBuilder::Found(const void* cls, const String* name, TLookup lookup) {
  const size_t hash = FoundHash(cls, name);
  const auto same = [&](const TFound& slot) { return slot.Class == cls && slot.Name == name; };
  if (const TFound* slot = FFound.Find(hash, same)) return slot->Result;
  const void* result = lookup();
  if (result != nullptr || cls != nullptr) FFound.Insert(hash, same, TFound{cls, name, result});
  return result;
}

const TPropInfo* TFormBuilder::FindProp(const TClassInfo& cls, const TFormName& name) {
  return static_cast<const TPropInfo*>(Found(&cls, &name.Str(), [&] {
    const StringView text = name;
    return cls.FindProp(text.substr(0, text.find('.')));
  }));
}

// A class name not registered is not remembered: the unknown class handlers may register it.
TClass TFormBuilder::FindClass(const TFormName& name) {
  return static_cast<TClass>(Found(nullptr, &name.Str(), [&] { return GetClass(name); }));
}

TComponent* TFormBuilder::Build(const TFormObject& root, TComponent* instance) {
  std::unique_ptr<TComponent> created;
  TComponent* component = instance;
  if (component == nullptr) {
    created.reset(CreateComponent(root, nullptr, nullptr));
    component = created.get();
  }
  if (FOptions.Designing) component->SetDesigning(true);
  Begin(component, root);
  SetRootName(component, root);
  ReadComponentProperties(*this, component, root.Properties, component);
  ReadChildren(root, component, component);
  created.release();
  return component;
}

void TFormBuilder::SetRootName(TComponent* root, const TFormObject& object) {
  if (object.Name.empty() || SameText(root->Name(), object.Name)) return;
  // Another component of the owner may have the name already: take the first free variant.
  for (int suffix = 0;; ++suffix) {
    const String name = suffix == 0 ? object.Name : object.Name + STR("_") + IntToStr(suffix);
    if (root->Owner() == nullptr || root->Owner()->FindComponent(name) == nullptr) {
      root->SetName(name);
      return;
    }
  }
}

TComponent* TFormBuilder::CreateComponent(const TFormObject& object, TComponent* parent,
                                          TComponent* owner) {
  const TClass cls = FindClass(object.ClassName);
  if (cls != nullptr && cls->Create && cls->InheritsFrom(TComponent::StaticClass())) {
    return static_cast<TComponent*>(cls->Create(owner));
  }
  if (!FOptions.AllowUnknownClasses) {
    Fail(STR("Class ") + object.ClassName + STR(" not found"), object.Head);
  }
  if (TComponent* component = CreateFromUnknownClassHandlers(object.ClassName, parent, owner)) {
    return component;
  }
  return new TGenericComponent(owner, object.ClassName);
}

void TFormBuilder::Begin(TComponent* component, const TFormObject& object) {
  component->SetLoading(true);
  if (FOptions.Designing) component->SetDesigning(true, false);
  Bound.push_back({component, &object});
}

void TFormBuilder::ReadChildren(const TFormObject& object, TComponent* parent, TComponent* owner) {
  // The objects' names go into the owner's index: the place of each is fetched while the two
  // objects before it are read.
  constexpr int kAhead = 2;
  const int count = object.ChildCount();
  const auto prefetch = [&](int i) {
    if (i < count) owner->PrefetchComponent(object.Child(i)->Name);
  };
  for (int i = 0; i < kAhead; ++i) prefetch(i);
  for (int i = 0; i < count; ++i) {
    prefetch(i + kAhead);
    ReadObject(*object.Child(i), parent, owner);
  }
}

void TFormBuilder::ReadObject(const TFormObject& object, TComponent* parent, TComponent* owner) {
  TComponent* component = nullptr;
  try {
    // Objects of an ancestor (inherited, inline) may exist already in the instance read into.
    if (object.Kind != TFormObjectKind::okObject) component = owner->FindComponent(object.Name);
    if (component == nullptr) {
      component = CreateComponent(object, parent, owner);
      component->SetName(object.Name);
    }
  } catch (const EFormError&) {
    throw;
  } catch (const Exception& e) {
    Fail(e.Message(), object.Head);
  }
  Begin(component, object);
  if (object.Kind == TFormObjectKind::okInline) component->SetInline(true);
  if (object.Kind == TFormObjectKind::okInherited) component->SetAncestor(true);
  try {
    component->SetParentComponent(parent);
  } catch (const Exception& e) {
    Problem(STR("Cannot put ") + Label(component) + STR(" into ") + Label(parent) + STR(": ") +
                e.Message(),
            object.Head);
  }
  ReadComponentProperties(*this, component, object.Properties, owner);
  ReadChildren(object, component, object.Kind == TFormObjectKind::okInline ? component : owner);
}

void FinishLoading(const std::vector<TBoundObject>& bound, TFormBuilder& builder) {
  std::optional<EReadError> failure;
  for (const TBoundObject& b : bound) {
    try {
      b.Component->Loaded();
    } catch (const Exception& e) {
      try {
        builder.Problem(STR("Error loading ") + Label(b.Component) + STR(": ") + e.Message(),
                        b.Object->Head);
      } catch (const EReadError& error) {
        if (!failure) failure = error;
      }
    }
    b.Component->SetLoading(false);
  }
  if (failure) throw *failure;
}
