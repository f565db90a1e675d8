#include "FormRender.h"

#include <vector>

#include "FormEncoding.h"
#include "classes/FormText.h"

namespace {

constexpr size_t kLineUnits = 64;  // characters per string segment
constexpr size_t kBinaryLineBytes = 32;

struct TUnit {
  bool Quoted;
  uint32_t Code;
};

// Strings are cut into segments of 64 characters joined by " +"; a string longer than one
// segment starts on its own line.
void RenderString(std::string& out, const String& text, const std::string& indent,
                  const TFormStyle& style) {
  std::vector<TUnit> units;
  ForEachFormUnit(text, style.Encoding, [&](bool quoted, uint32_t code) {
    units.push_back({quoted && !(code == '\'' && style.ApostropheAsCode), code});
  });
  if (units.empty()) {
    out += "''";
    return;
  }
  const std::string continuation = indent + "  ";
  if (units.size() > kLineUnits) out += style.LineBreak + continuation;
  size_t segmentStart = 0;
  for (size_t i = 0; i < units.size();) {
    if (units[i].Quoted) {
      out += '\'';
      while (i < units.size() && units[i].Quoted && i - segmentStart < kLineUnits) {
        if (units[i].Code == '\'') out += '\'';
        out += static_cast<char>(units[i].Code);
        ++i;
      }
      out += '\'';
    } else {
      out += '#';
      out += std::to_string(units[i].Code);
      ++i;
    }
    if (i - segmentStart >= kLineUnits && i < units.size()) {
      out += " +" + style.LineBreak + continuation;
      segmentStart = i;
    }
  }
}

void RenderBinary(std::string& out, const std::string& bytes, const std::string& indent,
                  const TFormStyle& style) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += '{';
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % kBinaryLineBytes == 0) out += style.LineBreak + indent + "  ";
    const auto b = static_cast<unsigned char>(bytes[i]);
    out += kHex[b >> 4];
    out += kHex[b & 15];
  }
  out += '}';
}

void RenderItems(std::string& out, const std::vector<TFormItem>& items, const std::string& indent,
                 const TFormStyle& style) {
  const std::string itemIndent = indent + "  ";
  const std::string propertyIndent = itemIndent + "  ";
  out += '<';
  for (const TFormItem& item : items) {
    out += style.LineBreak + itemIndent + RenderItemHeader(item, style) + style.LineBreak;
    for (const TFormProperty& p : item.Properties) {
      out += propertyIndent;
      RenderProperty(out, p, propertyIndent, style);
      out += style.LineBreak;
    }
    out += itemIndent + "end";
  }
  out += '>';
}

}  // namespace

std::string RenderObjectHeader(const TFormObject& object, const TFormStyle& style) {
  std::string header = ToUtf8(FormObjectKindName(object.Kind)) + " ";
  if (!object.Name.empty()) header += EncodeFormName(object.Name, style.Encoding) + ": ";
  header += EncodeFormName(object.ClassName, style.Encoding);
  if (object.Order) header += " [" + std::to_string(*object.Order) + "]";
  return header;
}

std::string RenderItemHeader(const TFormItem& item, const TFormStyle& style) {
  std::string header = "item";
  if (!item.ItemClass.empty()) header += " " + EncodeFormName(item.ItemClass, style.Encoding);
  if (item.Order) header += " [" + std::to_string(*item.Order) + "]";
  return header;
}

void RenderProperty(std::string& out, const TFormProperty& property, const std::string& indent,
                    const TFormStyle& style) {
  out += EncodeFormName(property.Name, style.Encoding);
  out += " = ";
  RenderValue(out, property.Value, indent, style);
}

void RenderValue(std::string& out, const TFormValue& value, const std::string& indent,
                 const TFormStyle& style) {
  switch (value.Kind) {
    case TFormValueKind::fvInteger:
      out += value.Text.empty() ? std::to_string(value.Int) : ToUtf8(value.Text);
      break;
    case TFormValueKind::fvFloat:
      out += ToUtf8(value.Text);
      break;
    case TFormValueKind::fvIdent:
      out += EncodeFormName(value.Text, style.Encoding);
      break;
    case TFormValueKind::fvString:
      RenderString(out, value.Text, indent, style);
      break;
    case TFormValueKind::fvSet:
      out += '[';
      for (size_t i = 0; i < value.Names().size(); ++i) {
        if (i > 0) out += ", ";
        out += EncodeFormName(value.Names()[i], style.Encoding);
      }
      out += ']';
      break;
    case TFormValueKind::fvList: {
      const std::string itemIndent = indent + "  ";
      out += '(';
      for (const TFormValue& item : value.Items()) {
        out += style.LineBreak + itemIndent;
        RenderValue(out, item, itemIndent, style);
      }
      out += ')';
      break;
    }
    case TFormValueKind::fvCollection:
      RenderItems(out, value.CollectionItems(), indent, style);
      break;
    case TFormValueKind::fvBinary:
      RenderBinary(out, value.Bytes(), indent, style);
      break;
  }
}

std::string RenderFormValue(const TFormValue& value, const std::string& indent,
                            const TFormStyle& style) {
  std::string out;
  RenderValue(out, value, indent, style);
  return out;
}
