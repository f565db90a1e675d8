#pragma once
// The host runtime's exception family. Every failure is an exception carrying a message.
#include <exception>
#include <string>

#include "rtl/String.h"

class TComponent;

class Exception : public std::exception {
 public:
  explicit Exception(String message);
  const String& Message() const { return FMessage; }
  void SetMessage(String message);
  const char* what() const noexcept override { return FUtf8.c_str(); }

 private:
  String FMessage;
  std::string FUtf8;
};

// The silent abort: carries no message and is never shown to the user.
class EAbort : public Exception {
 public:
  EAbort() : Exception(String()) {}
};
[[noreturn]] void Abort();

class EConvertError : public Exception {
  using Exception::Exception;
};
class EInvalidCast : public Exception {
 public:
  EInvalidCast() : Exception(STR("Invalid class typecast")) {}
  using Exception::Exception;
};
class EListError : public Exception {
  using Exception::Exception;
};
class EComponentError : public Exception {
  using Exception::Exception;
};
class EPropertyError : public Exception {
  using Exception::Exception;
};
class EClassNotFound : public Exception {
  using Exception::Exception;
};

// A database error names the component at fault (may be null).
class EDatabaseError : public Exception {
 public:
  explicit EDatabaseError(String message, TComponent* component = nullptr)
      : Exception(std::move(message)), FComponent(component) {}
  TComponent* Component() const { return FComponent; }

 private:
  TComponent* FComponent;
};

// Raises EDatabaseError; with a named component the message is prefixed "Name: ".
[[noreturn]] void DatabaseError(const String& message, TComponent* component = nullptr);
