#pragma once
// The root class. Every class that the host streams, registers or tests by name carries its
// run-time class information (TClassInfo, classes/TypInfo.h).
#include "rtl/String.h"

struct TClassInfo;

class TObject {
 public:
  virtual ~TObject() = default;
  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }

  String ClassName() const;
  // Compares the class name without regard to ASCII letter case.
  bool ClassNameIs(StringView name) const;
  bool InheritsFrom(const TClassInfo& cls) const;
  template <class T>
  bool Is() const {
    return InheritsFrom(T::StaticClass());
  }
  void Free() { delete this; }
};

// Put at the top of a class body: declares its class information (defined in its .cpp with
// TClassBuilder) and makes ClassType() report it. Leaves the access at public.
#define OMBRIX_CLASS(Class)                      \
 public:                                         \
  static const TClassInfo& StaticClass();        \
  const TClassInfo& ClassType() const override { \
    return Class::StaticClass();                 \
  }

// A checked downcast: null stays null, a wrong class raises EInvalidCast.
template <class T>
T* As(TObject* object);
