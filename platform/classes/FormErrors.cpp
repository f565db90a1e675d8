#include "classes/FormErrors.h"

#include "rtl/SysUtils.h"

EFormError::EFormError(String message, String fileName, int line, int column)
    : Exception(std::move(message)), FFileName(std::move(fileName)), FLine(line), FColumn(column) {}

String EFormError::Describe() const {
  String text = FFileName;
  if (FLine > 0) text += STR(":") + IntToStr(FLine) + STR(":") + IntToStr(FColumn);
  return text + STR(": ") + Message();
}
