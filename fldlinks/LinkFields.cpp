#include "fldlinks/LinkFields.h"

#include <climits>
#include <vector>

#include "db/DataSet.h"
#include "db/DataSource.h"
#include "fldlinks/FieldLinkProperty.h"
#include "rtl/Format.h"

const Char* const SPrimary = STR("Primary");
const Char* const SMissingDataSet = STR("Missing DataSet property");
const Char* const SLinkDesigner = STR("Field '%s', from the Detail Fields list, must be linked");

namespace {

constexpr int kHelpContext = 27140;
constexpr StringView kArrow = STR("->");

// The object that marks a detail field as joined in the ordered list.
TObject* JoinedMark() {
  static TObject mark;
  return &mark;
}

// The next name of a link from pos, which then stands behind its separator.
String NextLinkName(StringView link, size_t& pos) {
  size_t end = link.find(';', pos);
  if (end == StringView::npos) end = link.size();
  String name(link.substr(pos, end - pos));
  pos = end + 1;
  return name;
}

String JoinEntry(const String& detail, const String& master) {
  return Format(STR("%s -> %s"), {detail, master});
}

// A join entry splits at its last arrow, so a detail name may itself hold one.
// The blanks around the arrow are not part of the names.
String DetailOf(StringView entry) {
  return String(entry.substr(0, entry.rfind(kArrow) - 1));
}

String MasterOf(StringView entry) {
  return String(entry.substr(entry.rfind(kArrow) + kArrow.size() + 1));
}

// The names joined by ";".
String LinkOf(const std::vector<String>& names) {
  String link;
  for (const String& name : names) link += name + STR(";");
  if (!link.empty()) link.pop_back();
  return link;
}

}  // namespace

const TClassInfo& TLinkFields::StaticClass() {
  using F = TLinkFields;
  static const TClassInfo info = TClassBuilder<F, TForm>(STR("TLinkFields"))
                                     .Method(STR("FormCreate"), &F::FormCreate)
                                     .Method(STR("FormDestroy"), &F::FormDestroy)
                                     .Method(STR("IndexListChange"), &F::IndexListChange)
                                     .Method(STR("BindingListClick"), &F::BindingListClick)
                                     .Method(STR("AddButtonClick"), &F::AddButtonClick)
                                     .Method(STR("BindListClick"), &F::BindListClick)
                                     .Method(STR("DeleteButtonClick"), &F::DeleteButtonClick)
                                     .Method(STR("ClearButtonClick"), &F::ClearButtonClick)
                                     .Method(STR("BitBtn1Click"), &F::BitBtn1Click)
                                     .Method(STR("HelpClick"), &F::HelpClick)
                                     .Build();
  return info;
}

TLinkFields::TLinkFields(TComponent* owner) : TForm(owner) {
  LoadLayout(STR("Mysqlfldlinks"));
  IndexLabel = Field<TLabel>(STR("IndexLabel"));
  IndexList = Field<TComboBox>(STR("IndexList"));
  DetailList = Field<TListBox>(STR("DetailList"));
  MasterList = Field<TListBox>(STR("MasterList"));
  AddButton = Field<TButton>(STR("AddButton"));
  BindList = Field<TListBox>(STR("BindList"));
  DeleteButton = Field<TButton>(STR("DeleteButton"));
  ClearButton = Field<TButton>(STR("ClearButton"));
  Button1 = Field<TButton>(STR("Button1"));
  Button2 = Field<TButton>(STR("Button2"));
  Help = Field<TButton>(STR("Help"));
  DoCreate();
}

TLinkFields::~TLinkFields() {
  DoDestroy();
}

void TLinkFields::FormCreate(TObject*) {
  OrderedDetailList = std::make_unique<TStringList>();
  OrderedMasterList = std::make_unique<TStringList>();
  SetHelpContext(kHelpContext);
}

void TLinkFields::FormDestroy(TObject*) {
  OrderedDetailList.reset();
  OrderedMasterList.reset();
}

void TLinkFields::SetDataSet(TDataSet* value) {
  value->FieldDefs()->Update();
  if (TIndexDefs* defs = FDataSetProxy->GetIndexDefs()) defs->Update();
  const TDataSource* source = value->DataSource();
  if (source == nullptr || source->DataSet() == nullptr) DatabaseError(SMissingDataSet, value);
  source->DataSet()->FieldDefs()->Update();
  FDataSet = value;
  FMasterDataSet = source->DataSet();
}

bool TLinkFields::Edit() {
  Initialize();
  if (ShowModal() != mrOk) return false;
  if (!FFullIndexName.empty()) {
    FDataSetProxy->SetIndexName(FFullIndexName);
  } else {
    FDataSetProxy->SetIndexFieldNames(IndexFieldList);
  }
  FDataSetProxy->SetMasterFields(MasterFieldList);
  return true;
}

void TLinkFields::Initialize() {
  TmySQLFieldLinkProperty& proxy = *FDataSetProxy;
  TIndexDefs* defs = proxy.IndexDefs();
  if (proxy.IndexBased()) {
    TStringList* names = IndexList->Items();
    proxy.GetIndexNames(*names);
    // A stored field list names the index it begins; no index at all for it is an error.
    String current = proxy.IndexFieldNames();
    if (!current.empty() && defs != nullptr) {
      current = defs->FindIndexForFields(current)->Name();
    } else {
      current = proxy.IndexName();
    }
    const int at = current.empty() ? -1 : names->IndexOf(current);
    IndexList->SetItemIndex(at >= 0 ? at : (names->Count() > 0 ? 0 : -1));
  } else {
    IndexLabel->SetVisible(false);
    IndexList->SetVisible(false);
  }

  MasterFieldList = proxy.MasterFields();
  IndexFieldList = proxy.IndexFieldNames();
  if (IndexFieldList.empty() && !proxy.IndexName().empty() && defs != nullptr) {
    const int at = defs->IndexOf(proxy.IndexName());
    if (at >= 0) IndexFieldList = defs->Items(at)->Fields();
  }

  IndexListChange(this);
  FMasterDataSet->GetFieldNames(*MasterList->Items());
  OrderedMasterList->Assign(MasterList->Items());

  // Join the link in force, pair by pair, as far as both sides still offer the names.
  size_t masterPos = 0;
  size_t detailPos = 0;
  while (masterPos < MasterFieldList.size() && detailPos < IndexFieldList.size()) {
    const String master = NextLinkName(MasterFieldList, masterPos);
    const String detail = NextLinkName(IndexFieldList, detailPos);
    const int masterAt = MasterList->Items()->IndexOf(master);
    const int detailAt = DetailList->Items()->IndexOf(detail);
    if (masterAt < 0 || detailAt < 0) continue;
    SetJoined(detail, true);
    DetailList->Items()->Delete(detailAt);
    MasterList->Items()->Delete(masterAt);
    BindList->Items()->Add(JoinEntry(detail, master));
    ClearButton->SetEnabled(true);
  }
}

void TLinkFields::IndexListChange(TObject*) {
  TStringList* details = DetailList->Items();
  details->Clear();
  if (FDataSetProxy->IndexBased()) {
    FDataSetProxy->SetIndexName(IndexList->Text());
    const TIndexDefs* defs = FDataSetProxy->IndexDefs();
    const int at = defs != nullptr ? defs->IndexOf(FDataSetProxy->IndexName()) : -1;
    if (at >= 0 && !defs->Items(at)->Expression().empty()) {
      details->Add(defs->Items(at)->Expression());
    } else {
      FDataSetProxy->GetFieldNamesForIndex(*details);
    }
  } else {
    FDataSet->GetFieldNames(*details);
  }
  MasterList->Items()->Assign(OrderedMasterList.get());
  OrderedDetailList->Assign(details);
  ClearJoined();
  BindList->Clear();
  AddButton->SetEnabled(false);
  ClearButton->SetEnabled(false);
  DeleteButton->SetEnabled(false);
  MasterList->SetItemIndex(-1);
}

void TLinkFields::BindingListClick(TObject*) {
  AddButton->SetEnabled(DetailList->ItemIndex() >= 0 && MasterList->ItemIndex() >= 0);
}

void TLinkFields::AddButtonClick(TObject*) {
  const int detailAt = DetailList->ItemIndex();
  const int masterAt = MasterList->ItemIndex();
  const String detail = DetailList->Items()->Strings(detailAt);
  const String master = MasterList->Items()->Strings(masterAt);
  AddToBindList(detail, master);
  SetJoined(detail, true);
  DetailList->Items()->Delete(detailAt);
  MasterList->Items()->Delete(masterAt);
  ClearButton->SetEnabled(true);
  AddButton->SetEnabled(false);
}

void TLinkFields::AddToBindList(const String& detail, const String& master) {
  TStringList* joins = BindList->Items();
  const int k = OrderedDetailList->IndexOf(detail);
  for (int i = 0; i < joins->Count(); ++i) {
    if (OrderedDetailList->IndexOf(DetailOf(joins->Strings(i))) > k) {
      joins->Insert(i, JoinEntry(detail, master));
      return;
    }
  }
  joins->Add(JoinEntry(detail, master));
}

void TLinkFields::BindListClick(TObject*) {
  DeleteButton->SetEnabled(BindList->ItemIndex() >= 0);
}

void TLinkFields::DeleteButtonClick(TObject*) {
  TStringList* joins = BindList->Items();
  for (int i = joins->Count() - 1; i >= 0; --i) {
    if (!BindList->Selected(i)) continue;
    const String entry = joins->Strings(i);
    DetailList->Items()->Add(DetailOf(entry));
    MasterList->Items()->Add(MasterOf(entry));
    SetJoined(DetailOf(entry), false);
    joins->Delete(i);
  }
  const bool remain = joins->Count() > 0;
  if (remain) BindList->SetSelected(0, true);
  DeleteButton->SetEnabled(remain);
  ClearButton->SetEnabled(remain);
  OrderFieldList(*OrderedDetailList, *DetailList->Items());
  OrderFieldList(*OrderedMasterList, *MasterList->Items());
  DetailList->SetItemIndex(-1);
  MasterList->SetItemIndex(-1);
  AddButton->SetEnabled(false);
}

void TLinkFields::ClearButtonClick(TObject*) {
  TStringList* joins = BindList->Items();
  for (int i = 0; i < joins->Count(); ++i) DetailList->Items()->Add(DetailOf(joins->Strings(i)));
  BindList->Clear();
  ClearButton->SetEnabled(false);
  DeleteButton->SetEnabled(false);
  OrderFieldList(*OrderedDetailList, *DetailList->Items());
  DetailList->SetItemIndex(-1);
  MasterList->Items()->Assign(OrderedMasterList.get());
  ClearJoined();
  AddButton->SetEnabled(false);
}

void TLinkFields::OrderFieldList(const TStringList& reference, TStringList& list) {
  for (int p = 0; p < list.Count(); ++p) {
    int best = INT_MAX;
    int bestAt = p;
    for (int i = p; i < list.Count(); ++i) {
      const int position = reference.IndexOf(list.Strings(i));
      if (position < best) {
        best = position;
        bestAt = i;
      }
    }
    list.Move(bestAt, p);
  }
}

void TLinkFields::BitBtn1Click(TObject*) {
  MasterFieldList.clear();
  IndexFieldList.clear();
  FFullIndexName.clear();
  if (FDataSetProxy->IndexBased()) {
    // The joins must cover the index from its first field on, without a gap.
    int firstFree = -1;
    for (int i = 0; i < OrderedDetailList->Count(); ++i) {
      if (OrderedDetailList->Objects(i) == nullptr) {
        if (firstFree < 0) firstFree = i;
      } else if (firstFree >= 0) {
        const String field = OrderedDetailList->Strings(firstFree);
        MessageDlg(Format(SLinkDesigner, {field}), TMsgDlgType::mtError, Buttons({mbOK}), 0);
        SetModalResult(mrNone);
        DetailList->SetItemIndex(DetailList->Items()->IndexOf(field));
        return;
      }
    }
    if (firstFree < 0) FFullIndexName = FDataSetProxy->IndexName();
  }
  std::vector<String> masters;
  std::vector<String> details;
  const TStringList* joins = BindList->Items();
  for (int i = 0; i < joins->Count(); ++i) {
    masters.push_back(MasterOf(joins->Strings(i)));
    details.push_back(DetailOf(joins->Strings(i)));
  }
  MasterFieldList = LinkOf(masters);
  IndexFieldList = LinkOf(details);
}

void TLinkFields::HelpClick(TObject*) {
  Application()->HelpContext(HelpContext());
}

void TLinkFields::SetJoined(const String& detail, bool joined) {
  const int at = OrderedDetailList->IndexOf(detail);
  if (at >= 0) OrderedDetailList->SetObjects(at, joined ? JoinedMark() : nullptr);
}

void TLinkFields::ClearJoined() {
  for (int i = 0; i < OrderedDetailList->Count(); ++i) OrderedDetailList->SetObjects(i, nullptr);
}

bool EditMasterFields(TDataSet* dataSet, TmySQLFieldLinkProperty* property) {
  const auto form = std::make_unique<TLinkFields>(nullptr);
  form->SetDataSetProxy(property);
  form->SetDataSet(dataSet);
  return form->Edit();
}
