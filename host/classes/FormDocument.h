#pragma once
// The document model of a form file. It keeps every object, property and value in file order and
// spelling, known to the class registry or not, together with the source text of each node, so
// that a document read and written unchanged gives back the same bytes and a changed one differs
// only in the nodes that changed (docs/form-files.md).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rtl/String.h"

enum class TFormEncoding { feUtf8, feWindows1252 };

// How the file was written; nodes rendered anew follow it.
struct TFormStyle {
  TFormEncoding Encoding = TFormEncoding::feUtf8;
  bool Bom = false;
  std::string LineBreak = "\r\n";
  bool ApostropheAsCode = false;  // the file writes ' inside strings as #39 rather than ''
};

// The source text of one node, bytes as found in the file: the white space before its first
// token (may hold blank lines), its tokens, and the blanks after the last one up to and
// including one line break. A node made in code has none. The nodes of a document read from a
// file view the file's bytes, kept once for all of them; a node given new text owns it.
class TFormSource {
 public:
  // Bytes viewed by many nodes, freed with the last of them (documents are not shared between
  // threads, so the count is a plain one).
  class TBytes {
   public:
    TBytes(std::string bytes, TFormEncoding encoding)
        : FText(std::move(bytes)), FEncoding(encoding) {}
    const std::string& Text() const { return FText; }

   private:
    friend class TFormSource;
    std::string FText;
    TFormEncoding FEncoding;
    size_t FUsers = 0;
    std::vector<uint32_t> FLineStarts;  // made when a position is first asked for
  };

  TFormSource() = default;
  TFormSource(std::string_view leading, std::string_view text, std::string_view trailing,
              bool atLineStart);
  // The parts are bytes[start, textAt), [textAt, trailingAt) and [trailingAt, end).
  TFormSource(TBytes* bytes, size_t start, size_t textAt, size_t trailingAt, size_t end,
              bool atLineStart);
  TFormSource(const TFormSource& other);
  TFormSource(TFormSource&& other) noexcept;
  TFormSource& operator=(TFormSource other) noexcept;
  ~TFormSource();

  std::string_view Leading() const { return Part(FStart, FTextAt); }
  std::string_view Text() const { return Part(FTextAt, FTrailingAt); }
  std::string_view Trailing() const { return Part(FTrailingAt, FEnd); }
  // The node's first line starts where Leading starts.
  bool AtLineStart() const { return FAtLineStart; }
  bool Present() const { return FTrailingAt > FTextAt; }
  // The white space before the node on its own line; empty optional when the node does not
  // start a line.
  std::optional<std::string> Indent() const;
  // Line and column (in characters) where the tokens start; 0, 0 for a node made in code.
  std::pair<int, int> Position() const;

  // Largest file whose offsets a node can hold.
  static constexpr size_t kMaxBytes = (size_t{1} << 31) - 1;

 private:
  std::string_view Part(uint32_t from, uint32_t to) const {
    return FBytes != nullptr ? std::string_view(FBytes->FText).substr(from, to - from)
                             : std::string_view();
  }
  TBytes* FBytes = nullptr;
  uint32_t FStart = 0;
  uint32_t FTextAt = 0;
  uint32_t FTrailingAt = 0;
  uint32_t FEnd : 31 = 0;
  uint32_t FAtLineStart : 1 = 0;
};

// A property, class or item class name. The same few names recur throughout a form and across
// forms, so each spelling is kept once for the whole process and nodes point to it.
class TFormName {
 public:
  TFormName();
  TFormName(StringView name);  // NOLINT: a name is given as text everywhere
  TFormName(const String& name) : TFormName(StringView(name)) {}
  TFormName(const Char* name) : TFormName(StringView(name)) {}

  const String& Str() const { return *FName; }
  operator const String&() const { return *FName; }  // NOLINT
  operator StringView() const { return *FName; }     // NOLINT
  bool empty() const { return FName->empty(); }
  size_t size() const { return FName->size(); }
  // Same spelling; names compare without regard to case through SameText.
  friend bool operator==(const TFormName& a, const TFormName& b) { return a.FName == b.FName; }
  friend bool operator==(const TFormName& a, StringView b) { return StringView(*a.FName) == b; }
  friend bool operator==(const TFormName& a, const Char* b) { return StringView(*a.FName) == b; }

 private:
  const String* FName;
};

inline String operator+(const TFormName& a, StringView b) {
  String s = a.Str();
  s += b;
  return s;
}
inline String operator+(StringView a, const TFormName& b) {
  String s(a);
  s += b.Str();
  return s;
}

enum class TFormValueKind {
  fvInteger,
  fvFloat,
  fvString,
  fvIdent,  // True, clWindow, Query1, Form2.Query1, a handler name
  fvSet,
  fvList,
  fvCollection,
  fvBinary
};

struct TFormItem;

struct TFormValue {
  TFormValueKind Kind = TFormValueKind::fvIdent;
  // Integers, floats and identifiers: the spelling (floats are written back as found);
  // strings: the decoded text (16-bit build: UTF-16; 8-bit build: bytes).
  String Text;
  int64_t Int = 0;  // integers

  TFormValue();
  TFormValue(const TFormValue& other);
  TFormValue(TFormValue&& other) noexcept;
  TFormValue& operator=(const TFormValue& other);
  TFormValue& operator=(TFormValue&& other) noexcept;
  ~TFormValue();

  // Set members, list elements, collection items and binary data; empty for the other kinds.
  const std::vector<String>& Names() const;
  std::vector<String>& Names();
  const std::vector<TFormValue>& Items() const;
  std::vector<TFormValue>& Items();
  const std::vector<TFormItem>& CollectionItems() const;
  std::vector<TFormItem>& CollectionItems();
  const std::string& Bytes() const;
  std::string& Bytes();
  // A collection read from a file: the source of its closing ">".
  const TFormSource& Tail() const;
  TFormSource& Tail();

  static TFormValue Integer(int64_t value);
  // A float in the host's style: 18 decimals, or the shortest exponent form when that loses
  // digits.
  static TFormValue Float(double value);
  static TFormValue FloatText(String spelling);
  static TFormValue Str(String text);
  static TFormValue Ident(String name);
  static TFormValue Set(std::vector<String> names);
  static TFormValue List(std::vector<TFormValue> items);
  static TFormValue Collection(std::vector<TFormItem> items);
  static TFormValue Binary(std::string bytes);

  // The value of a float or integer (a suffix s, c or d of a float is ignored).
  double AsFloat() const;
  // Equal meaning: identifiers and set members without regard to case, floats by value,
  // collections item by item; source text is not compared.
  bool SameAs(const TFormValue& other) const;

 private:
  // Most values are numbers, strings and names: the other parts live apart, made on first use.
  struct TParts;
  TParts& Parts();
  static const TParts& NoParts();
  std::unique_ptr<TParts> FParts;
};

struct TFormProperty {
  TFormName Name;  // dotted for nested objects: "Font.Name", "SQL.Strings"
  TFormValue Value;
  // "Name = value" as read; for a collection "Name = <", the items keep their own source and
  // Tail holds the closing ">".
  TFormSource Source;
  bool Modified = false;  // written from Value rather than from Source

  TFormProperty() = default;
  TFormProperty(TFormName name, TFormValue value) : Name(name), Value(std::move(value)) {}

  // Keeps the closing ">" of a collection read from the file.
  void SetValue(TFormValue value);
  // The closing ">" of a collection read from a file; absent for other properties.
  const TFormSource& Tail() const { return Value.Tail(); }
  TFormSource& Tail() { return Value.Tail(); }
};

using TFormProperties = std::vector<TFormProperty>;

// Same names (without regard to case) and values (TFormValue::SameAs), in the same order.
bool SameFormProperties(const TFormProperties& a, const TFormProperties& b);

// Looks a property up by name without regard to case; null when absent.
TFormProperty* FindFormProperty(TFormProperties& properties, StringView name);
const TFormProperty* FindFormProperty(const TFormProperties& properties, StringView name);

struct TFormItem {
  std::optional<int64_t> Order;  // item [n]
  TFormName ItemClass;           // item TFooItem (a variant some libraries write)
  TFormProperties Properties;
  TFormSource Head;  // "item ..."
  TFormSource End;   // "end"
};

enum class TFormObjectKind { okObject, okInherited, okInline };

class TFormObject {
 public:
  TFormObjectKind Kind = TFormObjectKind::okObject;
  String Name;  // may be empty
  TFormName ClassName;
  std::optional<int64_t> Order;  // creation order [n]
  TFormProperties Properties;
  TFormSource Head;  // "object Name: TClass [n]"
  TFormSource End;   // "end"
  bool HeadModified = false;

  TFormObject* Parent() const { return FParent; }
  int ChildCount() const { return static_cast<int>(FChildren.size()); }
  TFormObject* Child(int index) const { return FChildren.at(static_cast<size_t>(index)).get(); }
  int IndexOf(const TFormObject* child) const;  // -1 when not a child
  // Null when no child has that name (case-insensitive).
  TFormObject* FindChild(StringView name) const;
  int Depth() const;

  TFormObject* AddChild(std::unique_ptr<TFormObject> child, int index = -1);
  // Takes a child out of this object, giving it to the caller.
  std::unique_ptr<TFormObject> RemoveChild(TFormObject* child);
  std::unique_ptr<TFormObject> TakeChild(int index);
  // Takes out and frees every child for which drop holds, in one pass over the children.
  template <class F>
  void DropChildren(F drop) {
    std::erase_if(FChildren, [&](const std::unique_ptr<TFormObject>& c) { return drop(c.get()); });
  }
  void Rename(const String& name);

 private:
  TFormObject* FParent = nullptr;
  std::vector<std::unique_ptr<TFormObject>> FChildren;
};

class TFormDocument {
 public:
  String FileName;  // for messages
  TFormStyle Style;
  std::unique_ptr<TFormObject> Root;
  std::string Trailer;  // bytes after the root's closing line
  size_t ReadSize = 0;  // bytes of the file as read: writing reserves that much
};

String FormObjectKindName(TFormObjectKind kind);
