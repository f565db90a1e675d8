#pragma once
// Getters and setters for published properties that are plain fields (events, mostly).
#include "classes/TypInfo.h"

template <class T, class V>
auto FieldGetter(V T::*field) {
  return [field](const T* self) -> V { return self->*field; };
}

template <class T, class V>
auto FieldSetter(V T::*field) {
  return [field](T* self, V value) { self->*field = std::move(value); };
}

// An event property backed by a TMethod field.
#define OMBRIX_EVENT(Class, Event, Type)                                    \
  Prop(STR(#Event), FieldGetter(&Class::Event), FieldSetter(&Class::Event), \
       &TypeInfoMethod(STR(Type)))
