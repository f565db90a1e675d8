#include "db/FilterExpression.h"

#include <type_traits>

#include "db/VariantCompare.h"

struct TFilterExpression::Node {
  enum class Kind { Or, And, Not, Compare, IsNull, IsNotNull, Field, Literal };
  enum class Op { Eq, Ne, Lt, Gt, Le, Ge };
  explicit Node(Kind k) : kind(k) {}
  Kind kind;
  Op op = Op::Eq;
  std::vector<std::unique_ptr<Node>> children;
  String fieldName;
  Variant literal;
};

namespace {

using Node = TFilterExpression::Node;

class Parser {
 public:
  Parser(StringView text, TDataSet& dataSet) : FText(text), FDataSet(dataSet) {}

  std::unique_ptr<Node> ParseAll() {
    auto root = ParseOr();
    SkipBlanks();
    if (FPos < FText.size()) Fail(STR("unexpected text"));
    return root;
  }

 private:
  [[noreturn]] void Fail(const String& what) const {
    DatabaseError(STR("Filter expression: ") + what + STR(" at position ") +
                      IntToStr(static_cast<int64_t>(FPos + 1)),
                  &FDataSet);
  }

  void SkipBlanks() {
    while (FPos < FText.size() && FText[FPos] <= ' ') ++FPos;
  }

  static bool IsNameChar(Char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || static_cast<std::make_unsigned_t<Char>>(c) > 127;
  }

  // Consumes the keyword when it stands next as a whole word.
  bool Keyword(StringView word) {
    SkipBlanks();
    const size_t end = FPos + word.size();
    if (end > FText.size() || !SameText(FText.substr(FPos, word.size()), word)) return false;
    if (end < FText.size() && IsNameChar(FText[end])) return false;
    FPos = end;
    return true;
  }

  std::unique_ptr<Node> Binary(Node::Kind kind, std::unique_ptr<Node> left,
                               std::unique_ptr<Node> right) {
    auto node = std::make_unique<Node>(kind);
    node->children.push_back(std::move(left));
    node->children.push_back(std::move(right));
    return node;
  }

  std::unique_ptr<Node> ParseOr() {
    auto left = ParseAnd();
    while (Keyword(STR("or"))) left = Binary(Node::Kind::Or, std::move(left), ParseAnd());
    return left;
  }

  std::unique_ptr<Node> ParseAnd() {
    auto left = ParseNot();
    while (Keyword(STR("and"))) left = Binary(Node::Kind::And, std::move(left), ParseNot());
    return left;
  }

  std::unique_ptr<Node> ParseNot() {
    // Bounds the recursion that nested parentheses and NOTs cause.
    if (++FDepth > kMaxDepth) Fail(STR("expression nested too deeply"));
    auto node = ParseNotInner();
    --FDepth;
    return node;
  }

  std::unique_ptr<Node> ParseNotInner() {
    if (Keyword(STR("not"))) {
      auto node = std::make_unique<Node>(Node::Kind::Not);
      node->children.push_back(ParseNot());
      return node;
    }
    SkipBlanks();
    if (FPos < FText.size() && FText[FPos] == '(') {
      ++FPos;
      auto inner = ParseOr();
      SkipBlanks();
      if (FPos >= FText.size() || FText[FPos] != ')') Fail(STR("')' expected"));
      ++FPos;
      return inner;
    }
    return ParseComparison();
  }

  bool Operator(Node::Op& op) {
    SkipBlanks();
    static const struct {
      const Char* text;
      Node::Op op;
    } kOps[] = {{STR("<>"), Node::Op::Ne}, {STR("!="), Node::Op::Ne}, {STR("<="), Node::Op::Le},
                {STR(">="), Node::Op::Ge}, {STR("="), Node::Op::Eq},  {STR("<"), Node::Op::Lt},
                {STR(">"), Node::Op::Gt}};
    for (const auto& candidate : kOps) {
      const StringView text = candidate.text;
      if (FText.substr(FPos, text.size()) == text) {
        FPos += text.size();
        op = candidate.op;
        return true;
      }
    }
    return false;
  }

  std::unique_ptr<Node> ParseComparison() {
    auto left = ParseOperand();
    if (Keyword(STR("is"))) {
      const bool negated = Keyword(STR("not"));
      if (!Keyword(STR("null"))) Fail(STR("NULL expected"));
      auto node = std::make_unique<Node>(negated ? Node::Kind::IsNotNull : Node::Kind::IsNull);
      node->children.push_back(std::move(left));
      return node;
    }
    Node::Op op;
    if (!Operator(op)) return left;
    auto node = Binary(Node::Kind::Compare, std::move(left), ParseOperand());
    node->op = op;
    return node;
  }

  std::unique_ptr<Node> Literal(Variant value) {
    auto node = std::make_unique<Node>(Node::Kind::Literal);
    node->literal = std::move(value);
    return node;
  }

  std::unique_ptr<Node> FieldRef(const String& name, size_t at) {
    if (FDataSet.FindField(name) == nullptr) {
      FPos = at;
      Fail(STR("field '") + name + STR("' not found"));
    }
    auto node = std::make_unique<Node>(Node::Kind::Field);
    node->fieldName = name;
    return node;
  }

  std::unique_ptr<Node> ParseOperand() {
    SkipBlanks();
    if (FPos >= FText.size()) Fail(STR("operand expected"));
    const size_t start = FPos;
    const Char c = FText[FPos];
    if (c == '\'' || c == '"') return Literal(ParseQuoted(c));
    if (c == '[') {
      const size_t close = FText.find(']', FPos);
      if (close == StringView::npos) Fail(STR("unterminated field name"));
      FPos = close + 1;
      return FieldRef(String(FText.substr(start + 1, close - start - 1)), start);
    }
    if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.') return ParseNumber();
    while (FPos < FText.size() && IsNameChar(FText[FPos])) ++FPos;
    if (FPos == start) Fail(STR("operand expected"));
    const String name(FText.substr(start, FPos - start));
    if (SameText(name, STR("null"))) return Literal(Variant());
    if (FDataSet.FindField(name) == nullptr) {
      if (SameText(name, STR("true"))) return Literal(true);
      if (SameText(name, STR("false"))) return Literal(false);
    }
    return FieldRef(name, start);
  }

  String ParseQuoted(Char quote) {
    String value;
    ++FPos;
    for (;;) {
      if (FPos >= FText.size()) Fail(STR("unterminated string"));
      const Char c = FText[FPos++];
      if (c != quote) {
        value.push_back(c);
      } else if (FPos < FText.size() && FText[FPos] == quote) {
        value.push_back(quote);
        ++FPos;
      } else {
        return value;
      }
    }
  }

  std::unique_ptr<Node> ParseNumber() {
    const size_t start = FPos;
    ++FPos;
    while (FPos < FText.size() &&
           (IsNameChar(FText[FPos]) || ((FText[FPos] == '-' || FText[FPos] == '+') &&
                                        (FText[FPos - 1] == 'e' || FText[FPos - 1] == 'E')))) {
      ++FPos;
    }
    const StringView digits = FText.substr(start, FPos - start);
    try {
      if (digits.find_first_of(STR(".eE")) == StringView::npos) {
        return Literal(VarToInt(Variant(String(digits))));
      }
      return Literal(StrToFloat(digits));
    } catch (const EConvertError&) {
      FPos = start;
      Fail(STR("invalid number '") + String(digits) + STR("'"));
    }
  }

  static constexpr int kMaxDepth = 200;
  StringView FText;
  TDataSet& FDataSet;
  size_t FPos = 0;
  int FDepth = 0;
};

Variant ValueOf(const Node& node, const TDataSet& dataSet) {
  if (node.kind == Node::Kind::Literal) return node.literal;
  if (node.kind == Node::Kind::Field) return dataSet.FieldByName(node.fieldName)->Value();
  return Variant();
}

bool Matches(const Node& node, const TDataSet& dataSet, TFilterOptions options);

bool Compare(const Node& node, const TDataSet& dataSet, TFilterOptions options) {
  const Variant left = ValueOf(*node.children[0], dataSet);
  const Variant right = ValueOf(*node.children[1], dataSet);
  if (VarIsNull(left) || VarIsNull(right)) return false;
  const bool caseInsensitive = InSet(options, TFilterOption::foCaseInsensitive);
  // 'abc*' matches what begins with abc, unless partial compares are switched off.
  const auto* pattern = std::get_if<String>(&right);
  if (pattern != nullptr && !pattern->empty() && pattern->back() == '*' &&
      node.children[1]->kind == Node::Kind::Literal &&
      !InSet(options, TFilterOption::foNoPartialCompare) &&
      (node.op == Node::Op::Eq || node.op == Node::Op::Ne)) {
    const String prefix = pattern->substr(0, pattern->size() - 1);
    const String text = VarToStr(left).substr(0, prefix.size());
    const bool same = caseInsensitive ? SameText(text, prefix) : text == prefix;
    return same == (node.op == Node::Op::Eq);
  }
  const int c = VarCompare(left, right, caseInsensitive);
  switch (node.op) {
    case Node::Op::Eq:
      return c == 0;
    case Node::Op::Ne:
      return c != 0;
    case Node::Op::Lt:
      return c < 0;
    case Node::Op::Gt:
      return c > 0;
    case Node::Op::Le:
      return c <= 0;
    case Node::Op::Ge:
      return c >= 0;
  }
  return false;
}

bool Matches(const Node& node, const TDataSet& dataSet, TFilterOptions options) {
  switch (node.kind) {
    case Node::Kind::Or:
      return Matches(*node.children[0], dataSet, options) ||
             Matches(*node.children[1], dataSet, options);
    case Node::Kind::And:
      return Matches(*node.children[0], dataSet, options) &&
             Matches(*node.children[1], dataSet, options);
    case Node::Kind::Not:
      return !Matches(*node.children[0], dataSet, options);
    case Node::Kind::Compare:
      return Compare(node, dataSet, options);
    case Node::Kind::IsNull:
      return VarIsNull(ValueOf(*node.children[0], dataSet));
    case Node::Kind::IsNotNull:
      return !VarIsNull(ValueOf(*node.children[0], dataSet));
    case Node::Kind::Field:
    case Node::Kind::Literal: {
      const Variant v = ValueOf(node, dataSet);
      return !VarIsNull(v) && VarToBool(v);
    }
  }
  return false;
}

}  // namespace

TFilterExpression::TFilterExpression(StringView text, TDataSet& dataSet)
    : FDataSet(dataSet), FRoot(Parser(text, dataSet).ParseAll()) {}

TFilterExpression::~TFilterExpression() = default;

bool TFilterExpression::Evaluate(TFilterOptions options) const {
  return Matches(*FRoot, FDataSet, options);
}
