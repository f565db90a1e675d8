#pragma once
// Errors of reading form text and building components from it. They carry the place in the
// file; Message() is the bare message, Describe() the "FILE:LINE:COL: message" form.
#include "rtl/Exceptions.h"

class EFormError : public Exception {
 public:
  EFormError(String message, String fileName, int line, int column);
  const String& FileName() const { return FFileName; }
  int Line() const { return FLine; }
  int Column() const { return FColumn; }
  String Describe() const;

 private:
  String FFileName;
  int FLine;
  int FColumn;
};

// The text is not well-formed form text.
class EParserError : public EFormError {
  using EFormError::EFormError;
};

// The text is well-formed but cannot be turned into components (unknown class in a strict
// read, duplicate name, a property value that does not fit).
class EReadError : public EFormError {
  using EFormError::EFormError;
};
