#pragma once
// Access to the sample forms under tests/data/forms.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::filesystem::path FormSample(const std::string& name) {
  const char* root = std::getenv("OMBRIX_SOURCE_DIR");
  return std::filesystem::path(root != nullptr ? root : ".") / "tests" / "data" / "forms" / name;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline const char* const kFormSamples[] = {"DataModule1.dfm",    "MainForm.dfm",
                                           "CustomerDialog.dfm", "AddressFrame.dfm",
                                           "OrderForm.dfm",      "Einstellungen.dfm"};
