#pragma once
// Building changes for unit tests and reading the sample units under tests/data/units.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "units/FormUnit.h"

using TNameClass = std::pair<const char*, const char*>;

inline std::vector<TUnitComponent> Components(std::initializer_list<TNameClass> list) {
  std::vector<TUnitComponent> components;
  for (const auto& [name, className] : list)
    components.push_back({FromUtf8(name), FromUtf8(className)});
  return components;
}

inline TFormUnitChange Change(const char* formClass, std::initializer_list<TNameClass> before,
                              std::initializer_list<TNameClass> after,
                              std::vector<String> uses = {}) {
  return {FromUtf8(formClass), Components(before), Components(after), std::move(uses)};
}

inline std::string UnitSample(const std::string& name) {
  const char* root = std::getenv("OMBRIX_SOURCE_DIR");
  const auto path =
      std::filesystem::path(root != nullptr ? root : ".") / "tests" / "data" / "units" / name;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The message of the EUnitError that updating raises, or "(no error)".
inline std::string UnitError(const std::string& bytes, const TFormUnitChange& change) {
  try {
    UpdateFormUnit(bytes, STR("Unit1.pas"), change);
  } catch (const EUnitError& e) {
    return e.what();
  }
  return "(no error)";
}
