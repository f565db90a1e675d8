#include "classes/FormDocument.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

namespace {

String Ascii(std::string_view text) {
  return String(text.begin(), text.end());
}

// 18 decimals as the host writes floats, when that keeps every digit of the shortest exact
// spelling; otherwise that spelling in exponent form.
std::string FloatSpelling(double value) {
  if (!std::isfinite(value)) throw EConvertError(STR("Invalid floating point value"));
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
  const size_t e = text.find('e');
  const bool negative = text[0] == '-';
  std::string digits;
  for (char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
    if (c != '.') digits += c;
  }
  const int exponent = std::stoi(std::string(text.substr(e + 1)));
  const int point = exponent + 1;  // digits before the decimal point
  const int decimals = std::max(0, static_cast<int>(digits.size()) - point);
  if (point > 18 || decimals > 18) {
    std::string out(text.substr(0, e));
    out += 'E';
    out += std::to_string(exponent);
    return out;
  }
  std::string whole;
  std::string fraction;
  if (point <= 0) {
    whole = "0";
    fraction = std::string(static_cast<size_t>(-point), '0') + digits;
  } else if (point >= static_cast<int>(digits.size())) {
    whole = digits + std::string(static_cast<size_t>(point) - digits.size(), '0');
  } else {
    whole = digits.substr(0, static_cast<size_t>(point));
    fraction = digits.substr(static_cast<size_t>(point));
  }
  fraction.resize(18, '0');
  return (negative ? "-" : "") + whole + "." + fraction;
}

bool SameSet(const std::vector<String>& a, const std::vector<String>& b) {
  auto covers = [](const std::vector<String>& x, const std::vector<String>& y) {
    return std::all_of(x.begin(), x.end(), [&](const String& name) {
      return std::any_of(y.begin(), y.end(), [&](const String& n) { return SameText(n, name); });
    });
  };
  return covers(a, b) && covers(b, a);
}

}  // namespace

struct TFormValue::TParts {
  std::vector<String> Names;
  std::vector<TFormValue> Items;
  std::vector<TFormItem> CollectionItems;
  std::string Bytes;
  TFormSource Tail;
};

TFormValue::TFormValue() = default;
TFormValue::TFormValue(const TFormValue& other)
    : Kind(other.Kind),
      Text(other.Text),
      Int(other.Int),
      FParts(other.FParts ? std::make_unique<TParts>(*other.FParts) : nullptr) {}
TFormValue::TFormValue(TFormValue&& other) noexcept = default;
TFormValue& TFormValue::operator=(const TFormValue& other) {
  if (this != &other) *this = TFormValue(other);
  return *this;
}
TFormValue& TFormValue::operator=(TFormValue&& other) noexcept = default;
TFormValue::~TFormValue() = default;

TFormValue::TParts& TFormValue::Parts() {
  if (!FParts) FParts = std::make_unique<TParts>();
  return *FParts;
}

const TFormValue::TParts& TFormValue::NoParts() {
  static const TParts kNone;
  return kNone;
}

const std::vector<String>& TFormValue::Names() const {
  return FParts ? FParts->Names : NoParts().Names;
}
std::vector<String>& TFormValue::Names() {
  return Parts().Names;
}
const std::vector<TFormValue>& TFormValue::Items() const {
  return FParts ? FParts->Items : NoParts().Items;
}
std::vector<TFormValue>& TFormValue::Items() {
  return Parts().Items;
}
const std::vector<TFormItem>& TFormValue::CollectionItems() const {
  return FParts ? FParts->CollectionItems : NoParts().CollectionItems;
}
std::vector<TFormItem>& TFormValue::CollectionItems() {
  return Parts().CollectionItems;
}
const std::string& TFormValue::Bytes() const {
  return FParts ? FParts->Bytes : NoParts().Bytes;
}
std::string& TFormValue::Bytes() {
  return Parts().Bytes;
}
const TFormSource& TFormValue::Tail() const {
  return FParts ? FParts->Tail : NoParts().Tail;
}
TFormSource& TFormValue::Tail() {
  return Parts().Tail;
}

TFormValue TFormValue::Integer(int64_t value) {
  TFormValue v;
  v.Kind = TFormValueKind::fvInteger;
  v.Int = value;
  v.Text = IntToStr(value);
  return v;
}

TFormValue TFormValue::Float(double value) {
  return FloatText(Ascii(FloatSpelling(value)));
}

TFormValue TFormValue::FloatText(String spelling) {
  TFormValue v;
  v.Kind = TFormValueKind::fvFloat;
  v.Text = std::move(spelling);
  return v;
}

TFormValue TFormValue::Str(String text) {
  TFormValue v;
  v.Kind = TFormValueKind::fvString;
  v.Text = std::move(text);
  return v;
}

TFormValue TFormValue::Ident(String name) {
  TFormValue v;
  v.Kind = TFormValueKind::fvIdent;
  v.Text = std::move(name);
  return v;
}

TFormValue TFormValue::Set(std::vector<String> names) {
  TFormValue v;
  v.Kind = TFormValueKind::fvSet;
  v.Names() = std::move(names);
  return v;
}

TFormValue TFormValue::List(std::vector<TFormValue> items) {
  TFormValue v;
  v.Kind = TFormValueKind::fvList;
  v.Items() = std::move(items);
  return v;
}

TFormValue TFormValue::Collection(std::vector<TFormItem> items) {
  TFormValue v;
  v.Kind = TFormValueKind::fvCollection;
  v.CollectionItems() = std::move(items);
  return v;
}

TFormValue TFormValue::Binary(std::string bytes) {
  TFormValue v;
  v.Kind = TFormValueKind::fvBinary;
  v.Bytes() = std::move(bytes);
  return v;
}

double TFormValue::AsFloat() const {
  if (Kind == TFormValueKind::fvInteger) return static_cast<double>(Int);
  std::string text;
  for (Char c : Text) {
    if (c == 's' || c == 'S' || c == 'c' || c == 'C' || c == 'd' || c == 'D') break;
    text += static_cast<char>(c);
  }
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    throw EConvertError(STR("'") + Text + STR("' is not a valid floating point value"));
  }
  return value;
}

bool TFormValue::SameAs(const TFormValue& other) const {
  if (Kind != other.Kind) return false;
  switch (Kind) {
    case TFormValueKind::fvInteger:
      return Int == other.Int;
    case TFormValueKind::fvFloat:
      return AsFloat() == other.AsFloat();
    case TFormValueKind::fvString:
      return Text == other.Text;
    case TFormValueKind::fvIdent:
      return SameText(Text, other.Text);
    case TFormValueKind::fvSet:
      return SameSet(Names(), other.Names());
    case TFormValueKind::fvList:
      return Items().size() == other.Items().size() &&
             std::equal(Items().begin(), Items().end(), other.Items().begin(),
                        [](const auto& a, const auto& b) { return a.SameAs(b); });
    case TFormValueKind::fvCollection:
      return CollectionItems().size() == other.CollectionItems().size() &&
             std::equal(CollectionItems().begin(), CollectionItems().end(),
                        other.CollectionItems().begin(), [](const auto& a, const auto& b) {
                          return a.Order == b.Order && SameText(a.ItemClass, b.ItemClass) &&
                                 SameFormProperties(a.Properties, b.Properties);
                        });
    case TFormValueKind::fvBinary:
      return Bytes() == other.Bytes();
  }
  return false;
}

bool SameFormProperties(const TFormProperties& a, const TFormProperties& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
           return SameText(x.Name, y.Name) && x.Value.SameAs(y.Value);
         });
}

void TFormProperty::SetValue(TFormValue value) {
  TFormSource tail = std::as_const(Value).Tail();
  Value = std::move(value);
  if (tail.Present()) Value.Tail() = std::move(tail);
  Modified = true;
}

TFormProperty* FindFormProperty(TFormProperties& properties, StringView name) {
  for (auto& p : properties) {
    if (SameText(p.Name, name)) return &p;
  }
  return nullptr;
}

const TFormProperty* FindFormProperty(const TFormProperties& properties, StringView name) {
  return FindFormProperty(const_cast<TFormProperties&>(properties), name);
}

int TFormObject::IndexOf(const TFormObject* child) const {
  for (size_t i = 0; i < FChildren.size(); ++i) {
    if (FChildren[i].get() == child) return static_cast<int>(i);
  }
  return -1;
}

TFormObject* TFormObject::FindChild(StringView name) const {
  if (name.empty()) return nullptr;
  for (const auto& c : FChildren) {
    if (SameText(c->Name, name)) return c.get();
  }
  return nullptr;
}

int TFormObject::Depth() const {
  int depth = 0;
  for (const TFormObject* o = FParent; o != nullptr; o = o->FParent) ++depth;
  return depth;
}

TFormObject* TFormObject::AddChild(std::unique_ptr<TFormObject> child, int index) {
  child->FParent = this;
  TFormObject* raw = child.get();
  if (index < 0 || index > ChildCount()) {
    FChildren.push_back(std::move(child));
  } else {
    FChildren.insert(FChildren.begin() + index, std::move(child));
  }
  return raw;
}

std::unique_ptr<TFormObject> TFormObject::RemoveChild(TFormObject* child) {
  const int index = IndexOf(child);
  return index < 0 ? nullptr : TakeChild(index);
}

std::unique_ptr<TFormObject> TFormObject::TakeChild(int index) {
  auto taken = std::move(FChildren.at(static_cast<size_t>(index)));
  FChildren.erase(FChildren.begin() + index);
  taken->FParent = nullptr;
  return taken;
}

void TFormObject::Rename(const String& name) {
  if (name == Name) return;
  Name = name;
  HeadModified = true;
}

String FormObjectKindName(TFormObjectKind kind) {
  switch (kind) {
    case TFormObjectKind::okInherited:
      return STR("inherited");
    case TFormObjectKind::okInline:
      return STR("inline");
    case TFormObjectKind::okObject:
      break;
  }
  return STR("object");
}
