// Parser of form text into the document model. Each node takes the source text from the end
// of the node before it: its leading white space, its tokens, and the blanks after them up to
// one line break, so that the nodes laid end to end give back the file.
#include <algorithm>
#include <deque>
#include <fstream>
#include <limits>
#include <memory>
#include <system_error>
#include <unordered_map>

#include "FormLexer.h"
#include "classes/FormText.h"
#include "rtl/SysUtils.h"

namespace {

class TFormParser {
 public:
  TFormParser(TFormSource::TBytes* bytes, size_t start, const TFormStyle& style,
              const String& fileName)
      : FBytes(bytes),
        FKeep(bytes, 0, 0, 0, 0, false),
        FSource(bytes->Text()),
        FLexer(bytes->Text(), start, style.Encoding, fileName),
        FLastEnd(start),
        FEncoding(style.Encoding),
        FStrings(style.Encoding) {}

  std::unique_ptr<TFormObject> ParseRoot() {
    auto root = ParseObject();
    if (FLexer.Token().Kind != TFormTokenKind::Eof) FLexer.Error(STR("End of file expected"));
    return root;
  }
  std::string Rest() const { return std::string(FSource.substr(FLastEnd)); }
  bool CodesApostrophes() const { return FLexer.CodedApostrophes() > FLexer.DoubledApostrophes(); }

 private:
  struct TOpenNode {
    size_t LeadingStart;
    size_t Start;
    bool AtLineStart;
  };
  // Opens a node at the current token: its leading white space since the last node.
  TOpenNode Begin() const {
    return {
        FLastEnd, FLexer.Token().Start,
        FLastEnd == FBodyStart || FSource[FLastEnd - 1] == '\n' || FSource[FLastEnd - 1] == '\r'};
  }
  // Closes a node after the last consumed token.
  void Finish(TFormSource& source, const TOpenNode& node) {
    const size_t end = FLexer.PrevEnd();
    size_t i = end;
    while (i < FSource.size() && FSource[i] != '\r' && FSource[i] != '\n' && FSource[i] > 0 &&
           static_cast<unsigned char>(FSource[i]) <= ' ') {
      ++i;
    }
    if (i < FSource.size() && FSource[i] == '\r') {
      ++i;
      if (i < FSource.size() && FSource[i] == '\n') ++i;
    } else if (i < FSource.size() && FSource[i] == '\n') {
      ++i;
    }
    source = TFormSource(FBytes, node.LeadingStart, node.Start, end, i, node.AtLineStart);
    FLastEnd = i;
  }

  void Enter() {
    if (++FDepth > kMaxFormNesting) {
      FLexer.Error(STR("Nesting deeper than ") + IntToStr(kMaxFormNesting) + STR(" levels"));
    }
  }
  void Leave() { --FDepth; }

  // what names the expected token in a message: a literal, so that no text is made unless one
  // is raised.
  void ExpectKind(TFormTokenKind kind, const Char* what) const {
    if (FLexer.Token().Kind != kind) FLexer.Error(String(what) + STR(" expected"));
  }
  String ExpectIdent(const Char* what) {
    ExpectKind(TFormTokenKind::Ident, what);
    String text = FLexer.TokenString();
    FLexer.Next();
    return text;
  }
  void ExpectChar(char c) {
    if (!FLexer.IsChar(c)) {
      FLexer.Error(STR("'") + String(1, static_cast<Char>(c)) + STR("' expected"));
    }
    FLexer.Next();
  }
  int64_t ExpectOrder() {
    ExpectChar('[');
    ExpectKind(TFormTokenKind::Integer, STR("Integer"));
    const int64_t order = FLexer.Token().Int;
    FLexer.Next();
    ExpectChar(']');
    return order;
  }

  std::unique_ptr<TFormObject> ParseObject() {
    Enter();
    auto object = std::make_unique<TFormObject>();
    const TOpenNode start = Begin();
    if (FLexer.IsWord(TFormWord::wInherited)) {
      object->Kind = TFormObjectKind::okInherited;
    } else if (FLexer.IsWord(TFormWord::wInline)) {
      object->Kind = TFormObjectKind::okInline;
    } else if (!FLexer.IsWord(TFormWord::wObject)) {
      FLexer.Error(STR("'object', 'inherited' or 'inline' expected"));
    }
    FLexer.Next();
    if (FLexer.Token().Kind == TFormTokenKind::Ident && FLexer.FollowedBy(':')) {
      object->Name = ExpectIdent(STR("Class name"));
      FLexer.Next();
    }
    object->ClassName = Name(STR("Class name"), false);
    if (FLexer.IsChar('[')) object->Order = ExpectOrder();
    Finish(object->Head, start);

    TFormProperties& properties = Scratch(FProperties);
    ParseProperties(properties, true);
    object->Properties = Take(properties);
    while (FLexer.AtObjectStart()) object->AddChild(ParseObject());
    if (!FLexer.IsWord(TFormWord::wEnd)) {
      FLexer.Error(FLexer.Token().Kind == TFormTokenKind::Eof
                       ? STR("'end' expected but end of file found")
                       : STR("'end' expected"));
    }
    const TOpenNode endStart = Begin();
    FLexer.Next();
    Finish(object->End, endStart);
    Leave();
    return object;
  }

  // An identifier, or identifiers joined by dots when dotted: their spelling in the file.
  std::string_view Spelling(const Char* what, bool dotted) {
    ExpectKind(TFormTokenKind::Ident, what);
    const size_t start = FLexer.Token().Start;
    FLexer.Next();
    while (dotted && FLexer.IsChar('.')) {
      FLexer.Next();
      ExpectKind(TFormTokenKind::Ident, what);
      FLexer.Next();
    }
    return FSource.substr(start, FLexer.PrevEnd() - start);
  }
  // A dotted spelling as a String: blanks may stand around the dots.
  String Joined(std::string_view spelling) const {
    if (std::none_of(spelling.begin(), spelling.end(), IsBlankByte)) {
      return DecodeFormBytes(spelling, FEncoding);
    }
    std::string joined;
    for (char c : spelling) {
      if (!IsBlankByte(c)) joined += c;
    }
    return DecodeFormBytes(joined, FEncoding);
  }
  static bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= ' '; }
  // Numbers are spelled in ASCII.
  static String Ascii(std::string_view spelling) {
    return String(spelling.begin(), spelling.end());
  }

  void ParseProperty(TFormProperty& property) {
    const TOpenNode start = Begin();
    property.Name = Name(STR("Property name"), true);
    ExpectChar('=');
    if (FLexer.IsChar('<')) {
      FLexer.Next();
      Finish(property.Source, start);
      ParseCollection(property.Value);
      const TOpenNode tailStart = Begin();
      ExpectChar('>');
      Finish(property.Tail(), tailStart);
    } else {
      ParseValue(property.Value);
      Finish(property.Source, start);
    }
  }
  void ParseProperties(TFormProperties& properties, bool inObject) {
    while (FLexer.Token().Kind == TFormTokenKind::Ident && !FLexer.IsWord(TFormWord::wEnd) &&
           !(inObject && FLexer.AtObjectStart())) {
      ParseProperty(properties.emplace_back());
    }
  }

  // A class or (dotted) property name. A form repeats the same few names: the last ones seen are
  // kept by spelling in a small table, the others in a map, so each spelling is decoded and
  // interned once.
  TFormName Name(const Char* what, bool dotted) {
    const std::string_view spelling = Spelling(what, dotted);
    TRecentName& recent = FRecent[RecentSlot(spelling)];
    if (recent.Spelling == spelling) return recent.Name;
    auto [it, added] = FNames.try_emplace(spelling);
    if (added) it->second = TFormName(Joined(spelling));
    recent = {it->first, it->second};
    return it->second;
  }
  static size_t RecentSlot(std::string_view spelling) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(spelling[i]); };
    const size_t n = spelling.size();
    const uint64_t mixed = (uint64_t{n} << 24) ^ (uint64_t{byte(0)} << 16) ^
                           (uint64_t{byte(n / 2)} << 8) ^ byte(n - 1);
    return static_cast<size_t>((mixed * 0x9E3779B97F4A7C15u) >> (64 - kRecentBits));
  }

  void ParseCollection(TFormValue& value) {
    Enter();
    std::vector<TFormItem>& items = Scratch(FItems);
    while (FLexer.IsWord(TFormWord::wItem)) {
      TFormItem& item = items.emplace_back();
      const TOpenNode start = Begin();
      FLexer.Next();
      if (FLexer.IsChar(':')) {
        FLexer.Next();
        item.ItemClass = ExpectIdent(STR("Item class"));
      } else if (FLexer.Token().Kind == TFormTokenKind::Ident && !FLexer.OnNewLine() &&
                 !FLexer.IsWord(TFormWord::wEnd) && !FLexer.FollowedBy('=') &&
                 !FLexer.FollowedBy('.')) {
        item.ItemClass = ExpectIdent(STR("Item class"));
      }
      if (FLexer.IsChar('[')) item.Order = ExpectOrder();
      Finish(item.Head, start);
      TFormProperties& properties = Scratch(FProperties);
      ParseProperties(properties, false);
      item.Properties = Take(properties);
      if (!FLexer.IsWord(TFormWord::wEnd)) FLexer.Error(STR("'end' expected"));
      const TOpenNode endStart = Begin();
      FLexer.Next();
      Finish(item.End, endStart);
    }
    if (!FLexer.IsChar('>')) FLexer.Error(STR("'item' or '>' expected"));
    value.Kind = TFormValueKind::fvCollection;
    value.CollectionItems() = Take(items);
    Leave();
  }

  // Values are read into their place in the document, not moved there.
  void ParseValue(TFormValue& value) {
    const TFormToken& token = FLexer.Token();
    switch (token.Kind) {
      case TFormTokenKind::Integer:
        value.Kind = TFormValueKind::fvInteger;
        value.Int = token.Int;
        value.Text = Ascii(FLexer.Spelling());  // as spelled: $FF stays $FF
        FLexer.Next();
        return;
      case TFormTokenKind::Float:
        value.Kind = TFormValueKind::fvFloat;
        value.Text = Ascii(FLexer.Spelling());
        FLexer.Next();
        return;
      case TFormTokenKind::String:
        value.Kind = TFormValueKind::fvString;
        value.Text = ParseString();
        return;
      case TFormTokenKind::Ident:
        value.Kind = TFormValueKind::fvIdent;
        value.Text = Joined(Spelling(STR("Identifier"), true));
        return;
      case TFormTokenKind::Binary:
        value.Kind = TFormValueKind::fvBinary;
        value.Bytes() = FLexer.BinaryBytes();
        FLexer.Next();
        return;
      case TFormTokenKind::Char:
        if (token.Ch == '[') return ParseSet(value);
        if (token.Ch == '(') return ParseList(value);
        break;
      case TFormTokenKind::Eof:
        FLexer.Error(STR("Property value expected but end of file found"));
    }
    FLexer.Error(STR("Invalid property value"));
  }

  String ParseString() {
    if (FLexer.Token().Plain && !FLexer.FollowedBy('+')) {
      String text = DecodeFormBytes(FLexer.PlainText(), FEncoding);
      FLexer.Next();
      return text;
    }
    FLexer.AppendString(FStrings);
    FLexer.Next();
    while (FLexer.IsChar('+')) {
      FLexer.Next();
      ExpectKind(TFormTokenKind::String, STR("String"));
      FLexer.AppendString(FStrings);
      FLexer.Next();
    }
    return FStrings.Take();
  }

  void ParseSet(TFormValue& value) {
    FLexer.Next();
    value.Kind = TFormValueKind::fvSet;
    std::vector<String>& names = value.Names();
    if (!FLexer.IsChar(']')) {
      for (;;) {
        names.push_back(ExpectIdent(STR("Set member")));
        if (!FLexer.IsChar(',')) break;
        FLexer.Next();
      }
    }
    ExpectChar(']');
  }

  void ParseList(TFormValue& value) {
    Enter();
    FLexer.Next();
    std::vector<TFormValue>& items = Scratch(FValues);
    while (!FLexer.IsChar(')')) {
      if (FLexer.Token().Kind == TFormTokenKind::Eof) FLexer.Error(STR("')' expected"));
      ParseValue(items.emplace_back());
    }
    FLexer.Next();
    Leave();
    value.Kind = TFormValueKind::fvList;
    value.Items() = Take(items);
  }

  // Lists are gathered in a vector per depth, reused, and copied at their exact size: a large
  // form holds many small lists, and growing each by doubling leaves a third of it unused.
  template <typename T>
  std::vector<T>& Scratch(std::deque<std::vector<T>>& levels) {
    if (levels.size() <= static_cast<size_t>(FDepth))
      levels.resize(static_cast<size_t>(FDepth) + 1);
    return levels[static_cast<size_t>(FDepth)];
  }
  template <typename T>
  static std::vector<T> Take(std::vector<T>& scratch) {
    std::vector<T> exact(std::make_move_iterator(scratch.begin()),
                         std::make_move_iterator(scratch.end()));
    scratch.clear();
    return exact;
  }

  TFormSource::TBytes* FBytes;  // the file, viewed by the source of every node
  TFormSource FKeep;            // holds the file while no node does yet
  std::string_view FSource;
  // Deques: a deeper level added keeps the lists of the levels above in place.
  std::deque<TFormProperties> FProperties;
  std::deque<std::vector<TFormItem>> FItems;
  std::deque<std::vector<TFormValue>> FValues;
  struct TRecentName {
    std::string_view Spelling;  // a key of FNames
    TFormName Name;
  };
  static constexpr int kRecentBits = 8;
  static constexpr size_t kRecentNames = size_t{1} << kRecentBits;
  std::unordered_map<std::string_view, TFormName> FNames;  // by spelling
  TRecentName FRecent[kRecentNames];
  TFormLexer FLexer;
  size_t FLastEnd;
  size_t FBodyStart = FLastEnd;
  TFormEncoding FEncoding;
  TFormStringBuilder FStrings;  // for values of several parts, reused
  int FDepth = 0;
};

std::unique_ptr<TFormDocument> ReadFormBytes(std::string text, const String& fileName) {
  // Nodes keep 31-bit offsets into the file.
  if (text.size() > TFormSource::kMaxBytes) {
    throw EParserError(STR("File too large for a form (2 GB or more)"), fileName, 0, 0);
  }
  auto document = std::make_unique<TFormDocument>();
  document->FileName = fileName;
  document->Style = DetectFormStyle(text);
  document->ReadSize = text.size();
  TFormParser parser(new TFormSource::TBytes(std::move(text), document->Style.Encoding),
                     document->Style.Bom ? 3 : 0, document->Style, fileName);
  document->Root = parser.ParseRoot();
  document->Trailer = parser.Rest();
  document->Style.ApostropheAsCode = parser.CodesApostrophes();
  return document;
}

}  // namespace

std::unique_ptr<TFormDocument> ReadFormText(std::string_view bytes, const String& fileName) {
  return ReadFormBytes(std::string(bytes), fileName);
}

std::unique_ptr<TFormDocument> LoadFormFile(const std::filesystem::path& path) {
  const String name = FromUtf8(path.string());
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EFormError(STR("Cannot open file"), name, 0, 0);
  // Read in one piece: the file is kept once, as the nodes' source.
  std::string bytes;
  std::error_code error;
  if (const auto size = std::filesystem::file_size(path, error); !error) bytes.reserve(size);
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.append(buffer, static_cast<size_t>(in.gcount()));
  }
  if (in.bad()) throw EFormError(STR("Cannot read file"), name, 0, 0);
  bytes.shrink_to_fit();
  return ReadFormBytes(std::move(bytes), name);
}
