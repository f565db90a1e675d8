#pragma once
// Tests compare messages of database errors; an action that raises nothing gives "(no error)".
#include <string>

#include "rtl/Exceptions.h"

template <class Action>
std::string DatabaseErrorMessage(Action action) {
  try {
    action();
  } catch (const EDatabaseError& e) {
    return e.what();
  }
  return "(no error)";
}
