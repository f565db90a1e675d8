#pragma once
// An ordered list of strings, each with an object slot (used as a flag by the package: a quoted
// table name, a joined field).
#include <vector>

#include "classes/Persistent.h"

// The host platform's line break, used by Text.
inline constexpr StringView sLineBreak = STR("\n");

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TPersistent {
  OMBRIX_CLASS(TStringList)
  TStringList() = default;
  TStringList(std::initializer_list<String> lines);

  int Count() const { return static_cast<int>(FItems.size()); }
  // Raise EListError "List index out of bounds (i)" outside 0..Count-1.
  const String& Strings(int index) const;
  void SetStrings(int index, const String& value);
  TObject* Objects(int index) const;
  void SetObjects(int index, TObject* object);

  // In a sorted list Add inserts at the sorted position; Insert is refused there.
  int Add(const String& s);
  int AddObject(const String& s, TObject* object);
  void AddStrings(const TStringList& other);
  void Insert(int index, const String& s);
  void InsertObject(int index, const String& s, TObject* object);
  void Delete(int index);
  void Clear();
  void Exchange(int a, int b);
  void Move(int from, int to);
  // -1 when absent; compares as the list does (CaseSensitive).
  int IndexOf(StringView s) const;
  int IndexOfObject(const TObject* object) const;

  // Change notifications are held back between BeginUpdate and the matching EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  TMethod OnChange;  // TNotifyEvent, Sender is the list

  // Every line followed by sLineBreak. Setting splits at CR LF, CR or LF.
  String Text() const;
  void SetText(StringView text);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  void Sort();
  // Binary search in a sorted list: true and the index when found, else the insertion index.
  bool Find(StringView s, int& index) const;
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool value);
  TDuplicates Duplicates = TDuplicates::dupIgnore;

  std::vector<String> ToVector() const;
  bool Equals(const TStringList& other) const;
  void Assign(const TPersistent* source) override;

 private:
  struct Item {
    String Text;
    TObject* Object = nullptr;
  };
  int Compare(StringView a, StringView b) const;
  void CheckIndex(int index) const;
  void Changed();
  int InsertSorted(const String& s, TObject* object);

  std::vector<Item> FItems;
  int FUpdateCount = 0;
  bool FChangedWhileUpdating = false;
  bool FSorted = false;
  bool FCaseSensitive = false;
};
