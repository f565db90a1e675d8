#include "QtText.h"

#include "classes/FormEncoding.h"

QString ToQString(StringView text) {
  if constexpr (kWideStrings) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
  } else {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (Char c : text) out.append(QChar(Cp1252ToUnicode(static_cast<unsigned char>(c))));
    return out;
  }
}

Char FromQChar(QChar c) {
  if constexpr (kWideStrings) {
    return static_cast<Char>(c.unicode());
  } else {
    if (c.unicode() < 0x80) return static_cast<Char>(c.unicode());
    for (int b = 0x80; b < 0x100; ++b) {
      if (Cp1252ToUnicode(static_cast<unsigned char>(b)) == c.unicode())
        return static_cast<Char>(b);
    }
    return 0;
  }
}

String FromQString(const QString& text) {
  if constexpr (kWideStrings) {
    return String(reinterpret_cast<const Char*>(text.utf16()), static_cast<size_t>(text.size()));
  } else {
    String out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
      const Char b = FromQChar(c);
      out.push_back(b != 0 || c.isNull() ? b : '?');
    }
    return out;
  }
}
