#pragma once
// Turns the objects of a form document into components; see classes/FormLoader.h for the rules.
// References are collected, not resolved: the caller resolves them against the forms it knows.
#include <vector>

#include "classes/FlatTable.h"
#include "classes/FormLoader.h"

// A reference waiting for its component: Name is the text as read ("Query1", "Form2.Query1").
struct TPendingReference {
  TComponent* Component = nullptr;  // the component whose property it is
  TFormName Path;             // dotted property path from Component; empty inside collection items
  TObject* Target = nullptr;  // the object that has the property
  const TPropInfo* Prop = nullptr;
  String Name;
  TComponent* LookupRoot = nullptr;
  TFormSource At;  // the property as read: its place in messages
};

// A component and the document object it was read from.
struct TBoundObject {
  TComponent* Component;
  const TFormObject* Object;
};

class TFormBuilder {
 public:
  TFormBuilder(const TFormReadOptions& options, String fileName);

  // Reads root into instance, or creates the root component when instance is null (the
  // caller then owns it). Raises EReadError; components made so far belong to the root.
  TComponent* Build(const TFormObject& root, TComponent* instance);

  const TFormReadOptions& Options() const { return FOptions; }
  std::vector<TBoundObject> Bound;  // in reading order, root first
  std::vector<TPendingReference> Pending;
  std::vector<TFormWarning> Warnings;

  // A value that could not be set: a warning, or EReadError when bad values are not allowed.
  void Problem(const String& message, int line, int column);
  [[noreturn]] void Fail(const String& message, int line, int column) const;
  // At the place of a node read from the file.
  void Problem(const String& message, const TFormSource& at);
  [[noreturn]] void Fail(const String& message, const TFormSource& at) const;

  // The published property of cls that a property name read from the form starts with (the
  // whole name, or its part before the first dot); null when there is none. A form names the
  // same few properties of the same few classes over and over, and its names are interned, so
  // each pair is looked up once per read.
  const TPropInfo* FindProp(const TClassInfo& cls, const TFormName& name);
  // The registered class of a class name read from the form; null when there is none.
  TClass FindClass(const TFormName& name);

 private:
  // What one lookup found, by the class (null for class lookups) and the interned name; a
  // missing class is looked up again.
  struct TFound {
    const void* Class = nullptr;
    const String* Name = nullptr;
    const void* Result = nullptr;
  };
  struct TFoundTraits {
    static bool Empty(const TFound& slot) { return slot.Name == nullptr; }
    static size_t Hash(const TFound& slot) { return FoundHash(slot.Class, slot.Name); }
  };
  static size_t FoundHash(const void* cls, const String* name) {
    return reinterpret_cast<uintptr_t>(cls) ^ (reinterpret_cast<uintptr_t>(name) >> 3);
  }
  template <class TLookup>
  const void* Found(const void* cls, const String* name, TLookup lookup);

  TComponent* CreateComponent(const TFormObject& object, TComponent* parent, TComponent* owner);
  void ReadObject(const TFormObject& object, TComponent* parent, TComponent* owner);
  void ReadChildren(const TFormObject& object, TComponent* parent, TComponent* owner);
  void Begin(TComponent* component, const TFormObject& object);
  void SetRootName(TComponent* root, const TFormObject& object);
  void SetName(TComponent* component, const TFormObject& object);

  TFormReadOptions FOptions;
  String FFileName;
  TFlatTable<TFound, TFoundTraits> FFound;
};

// Sets the document properties on a component; see FormPropertyReader.cpp.
void ReadComponentProperties(TFormBuilder& builder, TComponent* component,
                             const TFormProperties& properties, TComponent* lookupRoot);

// Calls Loaded() on the components read, in reading order, and clears their loading flag.
void FinishLoading(const std::vector<TBoundObject>& bound, TFormBuilder& builder);
