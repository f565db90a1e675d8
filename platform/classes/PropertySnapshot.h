#pragma once
// The stored properties of a component as the document last had them, kept as packed bytes: a
// module holds one per component between saves, so a tree of properties would cost several
// times the form file.
#include <string>

#include "classes/FormDocument.h"

class TPropertySnapshot {
 public:
  TPropertySnapshot() = default;
  explicit TPropertySnapshot(const TFormProperties& properties);
  // The properties again, names and values as given (without source text).
  TFormProperties Properties() const;
  // Equal bytes, equal names and values.
  bool operator==(const TPropertySnapshot&) const = default;

 private:
  std::string FBytes;
};
