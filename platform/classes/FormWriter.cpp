// Writes a document back: nodes with source text as found, changed and new nodes rendered at
// the indentation of their neighbours, with the document's line break.
#include "AtomicFile.h"
#include "FormRender.h"
#include "classes/FormText.h"

namespace {

constexpr size_t kPieceSize = 16384;

class TFormWriter {
 public:
  // Without a sink the whole text stays in Out.
  TFormWriter(const TFormStyle& style, const TFormSink* sink) : FStyle(style), FSink(sink) {}

  void Write(const TFormDocument& document) {
    // Changes rarely grow a file much; the string doubles beyond that.
    FOut.reserve(FSink != nullptr ? kPieceSize + kPieceSize / 4
                                  : document.ReadSize + document.ReadSize / 16);
    if (document.Style.Bom) FOut += "\xEF\xBB\xBF";
    if (document.Root) Object(*document.Root, "");
    FOut += document.Trailer;
    Pass(0);
  }
  std::string Out() { return std::move(FOut); }

 private:
  // Between nodes: hands the text so far to the sink once there is enough of it.
  void Pass(size_t atLeast) {
    if (FSink == nullptr || FOut.size() < atLeast || FOut.empty()) return;
    FLast = FOut.back();
    (*FSink)(FOut);
    FOut.clear();
  }

  void LineStart() {
    const char last = FOut.empty() ? FLast : FOut.back();
    if (last != 0 && last != '\n' && last != '\r') FOut += FStyle.LineBreak;
  }

  static std::string IndentOf(const TFormSource& source, const std::string& fallback) {
    auto indent = source.Indent();
    return indent ? *indent : fallback;
  }

  // The indentation of an object's inner nodes: that of the first one read, else two more.
  static std::string InnerIndent(const TFormProperties& properties, const TFormObject* firstChild,
                                 const std::string& own) {
    for (const TFormProperty& p : properties) {
      if (p.Source.Present()) return IndentOf(p.Source, own + "  ");
    }
    if (firstChild != nullptr && firstChild->Head.Present())
      return IndentOf(firstChild->Head, own + "  ");
    return own + "  ";
  }

  void Source(const TFormSource& source) {
    FOut += source.Leading();
    FOut += source.Text();
    FOut += source.Trailing();
  }

  void Object(const TFormObject& object, const std::string& indent) {
    Pass(kPieceSize);
    std::string own = indent;
    if (object.Head.Present()) {
      own = IndentOf(object.Head, indent);
      FOut += object.Head.Leading();
      if (object.HeadModified) {
        FOut += RenderObjectHeader(object, FStyle);
      } else {
        FOut += object.Head.Text();
      }
      FOut += object.Head.Trailing();
    } else {
      LineStart();
      FOut += indent + RenderObjectHeader(object, FStyle) + FStyle.LineBreak;
    }
    const std::string inner =
        InnerIndent(object.Properties, object.ChildCount() > 0 ? object.Child(0) : nullptr, own);
    for (const TFormProperty& p : object.Properties) Property(p, inner);
    for (int i = 0; i < object.ChildCount(); ++i) Object(*object.Child(i), inner);
    if (object.End.Present()) {
      Source(object.End);
    } else {
      LineStart();
      FOut += own + "end" + FStyle.LineBreak;
    }
  }

  void Property(const TFormProperty& property, const std::string& indent) {
    Pass(kPieceSize);
    if (!property.Source.Present()) {
      LineStart();
      FOut += indent;
      RenderProperty(FOut, property, indent, FStyle);
      FOut += FStyle.LineBreak;
      return;
    }
    const bool collectionSource = property.Tail().Present();
    if (property.Modified) {
      FOut += property.Source.Leading();
      RenderProperty(FOut, property, IndentOf(property.Source, indent), FStyle);
      FOut += collectionSource ? property.Tail().Trailing() : property.Source.Trailing();
      return;
    }
    Source(property.Source);
    if (!collectionSource) return;
    const std::string items = IndentOf(property.Source, indent) + "  ";
    for (const TFormItem& item : property.Value.CollectionItems()) Item(item, items);
    Source(property.Tail());
  }

  void Item(const TFormItem& item, const std::string& indent) {
    std::string own = indent;
    if (item.Head.Present()) {
      own = IndentOf(item.Head, indent);
      Source(item.Head);
    } else {
      LineStart();
      FOut += indent + RenderItemHeader(item, FStyle) + FStyle.LineBreak;
    }
    const std::string inner = InnerIndent(item.Properties, nullptr, own);
    for (const TFormProperty& p : item.Properties) Property(p, inner);
    if (item.End.Present()) {
      Source(item.End);
    } else {
      LineStart();
      FOut += own + "end";
    }
  }

  const TFormStyle& FStyle;
  const TFormSink* FSink;
  std::string FOut;
  char FLast = 0;  // the last byte handed on
};

void Write(TFormWriter& writer, const TFormDocument& document) {
  try {
    writer.Write(document);
  } catch (const EConvertError& e) {
    throw EFormError(e.Message(), document.FileName, 0, 0);
  }
}

}  // namespace

std::string WriteFormText(const TFormDocument& document) {
  TFormWriter writer(document.Style, nullptr);
  Write(writer, document);
  return writer.Out();
}

void WriteFormText(const TFormDocument& document, const TFormSink& sink) {
  TFormWriter writer(document.Style, &sink);
  Write(writer, document);
}

void SaveFormFile(const TFormDocument& document, const std::filesystem::path& path) {
  const std::string bytes = WriteFormText(document);
  try {
    WriteFileAtomically(path, bytes);
  } catch (const Exception& e) {
    throw EFormError(e.Message(), FromUtf8(path.string()), 0, 0);
  }
}
