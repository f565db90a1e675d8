#pragma once
// Format with the host runtime's rules:
//   "%" [index ":"] ["-"] [width] ["." precision] type
// Types: s (string; precision cuts it), d (signed), u (unsigned), x (upper-case hex); precision
// gives integers a minimum number of digits, width pads with blanks (on the right with "-").
// "%%" is a percent sign. An index selects the argument, and later specifiers without an index
// continue after it. Type letters ignore case. A bad specifier, a missing argument or an argument
// of the wrong kind raises EConvertError naming the format.
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

#include "rtl/String.h"

// One argument of Format: a string or an integer. Strings are held by view, so a TVarRec must not
// outlive the argument list of the call it is built for.
class TVarRec {
 public:
  enum class TKind { vtString, vtInteger };

  TVarRec(StringView s) : FKind(TKind::vtString), FString(s) {}
  TVarRec(const String& s) : FKind(TKind::vtString), FString(s) {}
  TVarRec(const Char* s) : FKind(TKind::vtString), FString(s) {}
  // Characters and Booleans are not integers here: passing one is a compile error.
  template <std::integral T>
  requires(!std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char16_t> &&
           !std::same_as<T, char32_t> && !std::same_as<T, wchar_t>) TVarRec(T value)
      : FKind(TKind::vtInteger),
        FInteger(static_cast<int64_t>(value)),
        FUnsigned(std::is_unsigned_v<T>),
        FWide(sizeof(T) > 4) {}

  TKind Kind() const { return FKind; }
  StringView AsString() const { return FString; }
  // Decimal digits with a leading "-" for negative signed values.
  String SignedDigits() const;
  // The value's bits as an unsigned number of its own width (32 or 64 bits).
  uint64_t UnsignedBits() const;

 private:
  TKind FKind;
  StringView FString;
  int64_t FInteger = 0;
  bool FUnsigned = false;
  bool FWide = false;
};

String Format(StringView format, std::initializer_list<TVarRec> args);
