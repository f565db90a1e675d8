#include "classes/StringList.h"

#include <algorithm>

const TClassInfo& TStringList::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStringList, TPersistent>(STR("TStringList"))
          .Creatable([](TComponent*) -> TObject* { return new TStringList(); })
          .Build();
  return info;
}

TStringList::TStringList(std::initializer_list<String> lines) {
  for (const auto& line : lines) FItems.push_back({line, nullptr});
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
}

int TStringList::Compare(StringView a, StringView b) const {
  if (!FCaseSensitive) return CompareText(a, b);
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

void TStringList::Changed() {
  if (FUpdateCount > 0) {
    FChangedWhileUpdating = true;
    return;
  }
  CallMethod(OnChange, static_cast<TObject*>(this));
}

const String& TStringList::Strings(int index) const {
  CheckIndex(index);
  return FItems[static_cast<size_t>(index)].Text;
}

void TStringList::SetStrings(int index, const String& value) {
  CheckIndex(index);
  if (FSorted) throw EListError(STR("Operation not allowed on sorted list"));
  FItems[static_cast<size_t>(index)].Text = value;
  Changed();
}

TObject* TStringList::Objects(int index) const {
  CheckIndex(index);
  return FItems[static_cast<size_t>(index)].Object;
}

void TStringList::SetObjects(int index, TObject* object) {
  CheckIndex(index);
  FItems[static_cast<size_t>(index)].Object = object;
  Changed();
}

int TStringList::Add(const String& s) {
  return AddObject(s, nullptr);
}

int TStringList::AddObject(const String& s, TObject* object) {
  if (FSorted) return InsertSorted(s, object);
  FItems.push_back({s, object});
  Changed();
  return Count() - 1;
}

int TStringList::InsertSorted(const String& s, TObject* object) {
  int index = 0;
  if (Find(s, index)) {
    if (Duplicates == TDuplicates::dupIgnore) return index;
    if (Duplicates == TDuplicates::dupError)
      throw EListError(STR("String list does not allow duplicates"));
    // Equal strings keep the order in which they came.
    while (index < Count() && Compare(FItems[static_cast<size_t>(index)].Text, s) == 0) ++index;
  }
  FItems.insert(FItems.begin() + index, Item{s, object});
  Changed();
  return index;
}

void TStringList::AddStrings(const TStringList& other) {
  BeginUpdate();
  for (const auto& item : other.FItems) AddObject(item.Text, item.Object);
  EndUpdate();
}

void TStringList::Insert(int index, const String& s) {
  InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const String& s, TObject* object) {
  if (FSorted) throw EListError(STR("Operation not allowed on sorted list"));
  if (index < 0 || index > Count()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  FItems.insert(FItems.begin() + index, Item{s, object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed();
}

void TStringList::Exchange(int a, int b) {
  CheckIndex(a);
  CheckIndex(b);
  std::swap(FItems[static_cast<size_t>(a)], FItems[static_cast<size_t>(b)]);
  Changed();
}

void TStringList::Move(int from, int to) {
  CheckIndex(from);
  CheckIndex(to);
  Item item = std::move(FItems[static_cast<size_t>(from)]);
  FItems.erase(FItems.begin() + from);
  FItems.insert(FItems.begin() + to, std::move(item));
  Changed();
}

int TStringList::IndexOf(StringView s) const {
  if (FSorted) {
    int index = 0;
    return Find(s, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i) {
    if (Compare(FItems[static_cast<size_t>(i)].Text, s) == 0) return i;
  }
  return -1;
}

int TStringList::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i) {
    if (FItems[static_cast<size_t>(i)].Object == object) return i;
  }
  return -1;
}

void TStringList::BeginUpdate() {
  ++FUpdateCount;
}

void TStringList::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0 && FChangedWhileUpdating) {
    FChangedWhileUpdating = false;
    Changed();
  }
}

String TStringList::Text() const {
  String text;
  for (const auto& item : FItems) {
    text += item.Text;
    text += sLineBreak;
  }
  return text;
}

void TStringList::SetText(StringView text) {
  BeginUpdate();
  FItems.clear();
  Changed();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    FItems.push_back({String(text.substr(start, end - start)), nullptr});
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    start = end;
  }
  if (FSorted) Sort();
  EndUpdate();
}

void TStringList::SetSorted(bool value) {
  if (value == FSorted) return;
  FSorted = value;
  if (value) Sort();
}

void TStringList::Sort() {
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const Item& a, const Item& b) { return Compare(a.Text, b.Text) < 0; });
  Changed();
}

bool TStringList::Find(StringView s, int& index) const {
  int low = 0;
  int high = Count() - 1;
  bool found = false;
  while (low <= high) {
    const int mid = (low + high) / 2;
    const int c = Compare(FItems[static_cast<size_t>(mid)].Text, s);
    if (c < 0) {
      low = mid + 1;
    } else {
      high = mid - 1;
      if (c == 0) found = true;  // keep going left: the first of equals
    }
  }
  index = low;
  return found;
}

void TStringList::SetCaseSensitive(bool value) {
  if (value == FCaseSensitive) return;
  FCaseSensitive = value;
  if (FSorted) Sort();
}

std::vector<String> TStringList::ToVector() const {
  std::vector<String> lines;
  lines.reserve(FItems.size());
  for (const auto& item : FItems) lines.push_back(item.Text);
  return lines;
}

bool TStringList::Equals(const TStringList& other) const {
  return Count() == other.Count() &&
         std::equal(FItems.begin(), FItems.end(), other.FItems.begin(),
                    [](const Item& a, const Item& b) { return a.Text == b.Text; });
}

void TStringList::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TStringList*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  FItems = other->FItems;
  if (FSorted) Sort();
  Changed();
  EndUpdate();
}
