#pragma once
// Texts between the host and Qt: UTF-16 code units in the 16-bit build, Windows-1252 bytes in
// the 8-bit builds.
#include <QString>

#include "rtl/String.h"

QString ToQString(StringView text);
String FromQString(const QString& text);
// One character as the host's key press sees it; 0 when the build cannot represent it.
Char FromQChar(QChar c);
