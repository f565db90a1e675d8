#include "aboutfrm/AboutText.h"

#include "rtl/Format.h"
#include "rtl/SysUtils.h"

namespace {

// Kept by the version control system; the larger number is the product's revision.
constexpr const Char* kRevisionMarkers[] = {STR("$Revision: 1114 $"), STR("$Revision: 1109 $")};

// The text without the first occurrence of part, letter case ignored.
String WithoutFirst(StringView text, StringView part) {
  String result(text);
  const size_t at = PosText(part, result);
  if (at != StringView::npos) result.erase(at, part.size());
  return result;
}

}  // namespace

int RevisionNumber(StringView marker) {
  const String number = WithoutFirst(WithoutFirst(marker, STR("$Revision: ")), STR(" $"));
  return StrToIntDef(number, 0);
}

int ProductRevision() {
  int best = 0;
  for (const Char* marker : kRevisionMarkers) best = std::max(best, RevisionNumber(marker));
  return best;
}

String VersionLine(int revision) {
  return Format(STR("v.%s (r%d)"), {kOmbrixVersion, revision});
}

String CopyrightNotice(int year) {
  return Format(STR("Copyright (c) 2005-%d Ombrix developers"), {year});
}
