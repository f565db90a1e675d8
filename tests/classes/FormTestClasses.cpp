#include "FormTestClasses.h"

#include <algorithm>

#include "classes/IntegerConsts.h"
#include "db/FieldTypes.h"

const TTypeInfo& TypeInfoTestAlign() {
  static const TTypeInfo t{
      TTypeKind::tkEnumeration, STR("TAlign"), {STR("alNone"), STR("alTop"), STR("alClient")}, {}};
  return t;
}

const TTypeInfo& TypeInfoTestFontStyles() {
  static const TTypeInfo t{TTypeKind::tkSet,
                           STR("TFontStyles"),
                           {STR("fsBold"), STR("fsItalic"), STR("fsUnderline")},
                           {}};
  return t;
}

const TTypeInfo& TypeInfoTestColor() {
  static const TTypeInfo t{TTypeKind::tkInteger, STR("TColor"), {}, {}};
  return t;
}

const TClassInfo& TTestFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestFont, TPersistent>(STR("TTestFont"))
          .Prop(
              STR("Color"), [](const TTestFont* f) { return f->Color; },
              [](TTestFont* f, int v) { f->Color = v; }, &TypeInfoTestColor(), 0)
          .Prop(
              STR("Height"), [](const TTestFont* f) { return f->Height; },
              [](TTestFont* f, int v) { f->Height = v; })
          .Prop(
              STR("Name"), [](const TTestFont* f) { return f->Name; },
              [](TTestFont* f, String v) { f->Name = std::move(v); })
          .Prop(
              STR("Style"), [](const TTestFont* f) { return f->Style; },
              [](TTestFont* f, int v) { f->Style = v; }, &TypeInfoTestFontStyles(), 0)
          .Build();
  return info;
}

const TClassInfo& TTestControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestControl, TComponent>(STR("TTestControl"))
          .Creatable()
          .Prop(
              STR("Left"), [](const TTestControl* c) { return c->Left; },
              [](TTestControl* c, int v) { c->Left = v; })
          .Prop(
              STR("Top"), [](const TTestControl* c) { return c->Top; },
              [](TTestControl* c, int v) { c->Top = v; })
          .Prop(
              STR("Width"), [](const TTestControl* c) { return c->Width; },
              [](TTestControl* c, int v) { c->Width = v; }, nullptr, 0)
          .Prop(
              STR("Align"), [](const TTestControl* c) { return c->Align; },
              [](TTestControl* c, TTestAlign v) { c->Align = v; }, &TypeInfoTestAlign(), 0)
          .Prop(
              STR("Caption"), [](const TTestControl* c) { return c->Caption; },
              [](TTestControl* c, String v) { c->Caption = std::move(v); })
          .Prop(STR("Font"), &TTestControl::Font, nullptr)
          .Prop(
              STR("Visible"), [](const TTestControl* c) { return c->Visible; },
              [](TTestControl* c, bool v) { c->Visible = v; }, nullptr, 1)
          .Prop(
              STR("OnClick"), [](const TTestControl* c) { return c->OnClick; },
              [](TTestControl* c, TMethod v) { c->OnClick = std::move(v); })
          .Build();
  return info;
}

const TClassInfo& TTestDataSource::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestDataSource, TComponent>(STR("TTestDataSource"))
          .Creatable()
          .Prop(STR("DataSet"), &TTestDataSource::DataSet, &TTestDataSource::SetDataSet)
          .Build();
  return info;
}

void TTestDataSource::SetDataSet(TTestDataSet* value) {
  FDataSet = value;
  if (value != nullptr) FreeNotification(value);
}

void TTestDataSource::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FDataSet) FDataSet = nullptr;
}

const TClassInfo& TTestParam::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestParam, TCollectionItem>(STR("TTestParam"))
          .Prop(
              STR("Name"), [](const TTestParam* p) { return p->Name; },
              [](TTestParam* p, String v) { p->Name = std::move(v); })
          .Prop(
              STR("DataType"), [](const TTestParam* p) { return p->DataType; },
              [](TTestParam* p, int v) { p->DataType = v; }, &TypeInfoFieldType(), 0)
          .Prop(
              STR("Source"), [](const TTestParam* p) { return p->Source; },
              [](TTestParam* p, TTestDataSet* v) { p->Source = v; })
          .Build();
  return info;
}

const TClassInfo& TTestDataSet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestDataSet, TComponent>(STR("TTestDataSet"))
          .Creatable()
          .Prop(
              STR("Active"), [](const TTestDataSet* d) { return d->Active; },
              [](TTestDataSet* d, bool v) { d->Active = v; }, nullptr, 0)
          .Prop(STR("Params"), &TTestDataSet::Params, nullptr)
          .Prop(
              STR("Ratio"), [](const TTestDataSet* d) { return d->Ratio; },
              [](TTestDataSet* d, double v) { d->Ratio = v; })
          .Prop(STR("SQL"), &TTestDataSet::SQL, nullptr)
          .Prop(
              STR("BeforeOpen"), [](const TTestDataSet* d) { return d->BeforeOpen; },
              [](TTestDataSet* d, TMethod v) { d->BeforeOpen = std::move(v); })
          .Build();
  return info;
}

TTestDataSet::TTestDataSet(TComponent* owner)
    : TComponent(owner),
      FParams(std::make_unique<TCollection>(TTestParam::StaticClass(),
                                            TCollection::FactoryOf<TTestParam>())) {}

TTestDataSet::~TTestDataSet() {
  while (!Fields.empty()) Fields.back()->SetDataSet(nullptr);
}

const TClassInfo& TTestQuery::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestQuery, TTestDataSet>(STR("TTestQuery"))
          .Creatable()
          .Prop(STR("MasterSource"), &TTestQuery::MasterSource, &TTestQuery::SetMasterSource)
          .Build();
  return info;
}

void TTestQuery::SetMasterSource(TTestDataSource* value) {
  FMasterSource = value;
  if (value != nullptr) FreeNotification(value);
}

void TTestQuery::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FMasterSource) FMasterSource = nullptr;
}

void TTestQuery::Loaded() {
  LoadedWhileLoading = (ComponentState() & csLoading) != 0;
  MasterSourceAtLoaded = FMasterSource != nullptr;
  TComponent::Loaded();
}

void TTestDataSet::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
  for (TTestField* field : Fields) proc(field);
}

const TClassInfo& TTestField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestField, TComponent>(STR("TTestField"))
          .Creatable()
          .Prop(
              STR("FieldName"), [](const TTestField* f) { return f->FieldName; },
              [](TTestField* f, String v) {
                f->FieldName = std::move(v);
                f->NameSetWhileLoading = (f->ComponentState() & csLoading) != 0;
              })
          .Prop(
              STR("Size"), [](const TTestField* f) { return f->Size; },
              [](TTestField* f, int v) { f->Size = v; }, nullptr, 0)
          .Prop(STR("LookupDataSet"), &TTestField::LookupDataSet, &TTestField::SetLookupDataSet)
          .Prop(
              STR("Lookup"), [](const TTestField* f) { return f->Lookup; },
              [](TTestField* f, bool v) { f->Lookup = v; }, nullptr, 0)
          .Build();
  return info;
}

TTestField::~TTestField() {
  SetDataSet(nullptr);
}

void TTestField::SetDataSet(TTestDataSet* value) {
  if (FDataSet != nullptr) std::erase(FDataSet->Fields, this);
  FDataSet = value;
  if (value != nullptr) value->Fields.push_back(this);
}

TComponent* TTestField::GetParentComponent() const {
  return FDataSet;
}

void TTestField::SetParentComponent(TComponent* parent) {
  if (auto* dataSet = dynamic_cast<TTestDataSet*>(parent)) SetDataSet(dataSet);
}

void TTestField::SetLookupDataSet(TTestDataSet* value) {
  FLookupDataSet = value;
  if (value != nullptr) FreeNotification(value);
}

void TTestField::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FLookupDataSet) FLookupDataSet = nullptr;
}

void RegisterFormTestClasses() {
  RegisterClassesUnit();
  RegisterClass(TTestControl::StaticClass());
  RegisterClass(TTestDataSource::StaticClass());
  RegisterClass(TTestDataSet::StaticClass());
  RegisterClass(TTestQuery::StaticClass());
  RegisterClass(TTestField::StaticClass());
  RegisterIntegerConsts(TypeInfoTestColor(),
                        {{STR("clBlack"), 0}, {STR("clRed"), 0xFF}, {STR("clBtnFace"), -16777201}});
}
