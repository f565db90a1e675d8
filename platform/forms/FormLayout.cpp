#include <cstdlib>

#include "classes/FormLoader.h"
#include "forms/Form.h"

namespace {

std::filesystem::path& ChosenDirectory() {
  static std::filesystem::path directory;
  return directory;
}

}  // namespace

std::filesystem::path LayoutDirectory() {
  if (const char* fromEnvironment = std::getenv("OMBRIX_FORMS_DIR")) return fromEnvironment;
  if (!ChosenDirectory().empty()) return ChosenDirectory();
  return OMBRIX_FORMS_DIR;
}

void SetLayoutDirectory(const std::filesystem::path& directory) {
  ChosenDirectory() = directory;
}

void TCustomForm::LoadLayout(StringView name) {
  const String stem = name.empty() ? ClassName() : String(name);
  LoadFormLayout(this, LayoutDirectory() / (ToUtf8(stem) + ".dfm"));
}
