#pragma once
// Small registered classes for form reading and writing tests: a control with a font, a
// dataset with fields, parameters and SQL, a data source.
#include <memory>

#include "classes/Collection.h"
#include "classes/Component.h"
#include "classes/StringList.h"

enum class TTestAlign { alNone, alTop, alClient };
enum TTestFontStyle { fsBold, fsItalic, fsUnderline };

const TTypeInfo& TypeInfoTestAlign();
const TTypeInfo& TypeInfoTestFontStyles();
const TTypeInfo& TypeInfoTestColor();

class TTestFont : public TPersistent {
  OMBRIX_CLASS(TTestFont)
  String Name = STR("Tahoma");
  int Height = -11;
  int Style = 0;  // set of TTestFontStyle
  int Color = 0;
};

class TTestControl : public TComponent {
  OMBRIX_CLASS(TTestControl)
  explicit TTestControl(TComponent* owner) : TComponent(owner) {}
  int Left = 0;
  int Top = 0;
  int Width = 0;
  String Caption;
  TTestAlign Align = TTestAlign::alNone;
  bool Visible = true;
  TMethod OnClick;
  TTestFont* Font() const { return FFont.get(); }
  TComponent* Parent = nullptr;
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override { return Parent; }
  void SetParentComponent(TComponent* parent) override { Parent = parent; }

 private:
  std::unique_ptr<TTestFont> FFont = std::make_unique<TTestFont>();
};

class TTestDataSet;

class TTestDataSource : public TComponent {
  OMBRIX_CLASS(TTestDataSource)
  explicit TTestDataSource(TComponent* owner) : TComponent(owner) {}
  TTestDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TTestDataSet* value);
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TTestDataSet* FDataSet = nullptr;
};

class TTestParam : public TCollectionItem {
  OMBRIX_CLASS(TTestParam)
  explicit TTestParam(TCollection* collection) : TCollectionItem(collection) {}
  String Name;
  int DataType = 0;  // TFieldType
  TTestDataSet* Source = nullptr;
};

class TTestField;

class TTestDataSet : public TComponent {
  OMBRIX_CLASS(TTestDataSet)
  explicit TTestDataSet(TComponent* owner);
  ~TTestDataSet() override;
  bool Active = false;
  double Ratio = 0;
  TMethod BeforeOpen;
  TStringList* SQL() const { return FSQL.get(); }
  TCollection* Params() const { return FParams.get(); }
  std::vector<TTestField*> Fields;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 private:
  std::unique_ptr<TStringList> FSQL = std::make_unique<TStringList>();
  std::unique_ptr<TCollection> FParams;
};

// A dataset with a master: its class refers to the data source class, which refers to the
// dataset base class.
class TTestQuery : public TTestDataSet {
  OMBRIX_CLASS(TTestQuery)
  explicit TTestQuery(TComponent* owner) : TTestDataSet(owner) {}
  TTestDataSource* MasterSource() const { return FMasterSource; }
  void SetMasterSource(TTestDataSource* value);
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;
  // What Loaded saw: the loading flag, and whether the master source was set by then.
  bool LoadedWhileLoading = false;
  bool MasterSourceAtLoaded = false;

 private:
  TTestDataSource* FMasterSource = nullptr;
};

class TTestField : public TComponent {
  OMBRIX_CLASS(TTestField)
  explicit TTestField(TComponent* owner) : TComponent(owner) {}
  ~TTestField() override;
  String FieldName;
  int Size = 0;
  bool Lookup = false;
  TTestDataSet* LookupDataSet() const { return FLookupDataSet; }
  void SetLookupDataSet(TTestDataSet* value);
  TTestDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TTestDataSet* value);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void Notification(TComponent* component, TOperation operation) override;
  bool NameSetWhileLoading = false;

 private:
  TTestDataSet* FDataSet = nullptr;
  TTestDataSet* FLookupDataSet = nullptr;
};

void RegisterFormTestClasses();
