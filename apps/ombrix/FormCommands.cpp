// ombrix form: loading, writing back and listing form files with the host's classes.
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "FormFiles.h"
#include "classes/FormSet.h"
#include "db/DBClasses.h"
#include "foreign/ForeignClasses.h"

void RegisterHostClasses() {
  RegisterClassesUnit();
  RegisterDBClasses();
  RegisterForeignClasses();
}

void ReportFormError(const std::string& file, const std::exception& e) {
  if (const auto* form = dynamic_cast<const EFormError*>(&e)) {
    std::cerr << ToUtf8(form->Describe()) << '\n';
  } else {
    std::cerr << file << ": " << e.what() << '\n';
  }
}

namespace {

// Opens one file for a verb; false (and the message printed) when it does not load.
TFormModule* OpenOne(TFormSet& forms, const std::string& file) {
  try {
    return &forms.Open(file);
  } catch (const std::exception& e) {
    ReportFormError(file, e);
    return nullptr;
  }
}

// Runs a verb on one form file loaded with the host's classes.
std::function<void()> OnModule(std::shared_ptr<std::string> file, CommandResult& result,
                               std::function<void(TFormModule&)> verb) {
  return [file, &result, verb] {
    RegisterHostClasses();
    TFormSet forms;
    if (TFormModule* module = OpenOne(forms, *file)) {
      verb(*module);
    } else {
      result.exitCode = kExitFailure;
    }
  };
}

void PrintTree(const TFormObject& object, int depth) {
  std::cout << std::string(static_cast<size_t>(depth) * 2, ' ');
  if (!object.Name.empty()) std::cout << ToUtf8(object.Name) << ": ";
  std::cout << ToUtf8(object.ClassName) << '\n';
  for (int i = 0; i < object.ChildCount(); ++i) PrintTree(*object.Child(i), depth + 1);
}

}  // namespace

void AddFormCommands(CLI::App& app, CommandResult& result) {
  CLI::App* form = app.add_subcommand("form", "Form files: check, roundtrip, tree");
  form->require_subcommand(1);

  auto files = std::make_shared<std::vector<std::string>>();
  CLI::App* check = form->add_subcommand(
      "check", "Load form files together; print FILE:LINE:COL: message for each that fails");
  check->add_option("files", *files, "Form files")->required();
  check->callback([files, &result] {
    RegisterHostClasses();
    TFormSet forms;
    for (const std::string& file : *files) {
      TFormModule* module = OpenOne(forms, file);
      if (module == nullptr) {
        result.exitCode = kExitFailure;
        continue;
      }
      for (const TFormWarning& w : module->Warnings()) {
        std::cerr << file << ':' << w.Line << ':' << w.Column << ": warning: " << ToUtf8(w.Message)
                  << '\n';
      }
    }
  });

  auto file = std::make_shared<std::string>();
  CLI::App* roundtrip =
      form->add_subcommand("roundtrip", "Load a form file and write it to standard output");
  roundtrip->add_option("file", *file, "Form file")->required();
  roundtrip->callback(OnModule(file, result, [](TFormModule& module) {
    const std::string bytes = module.Render();
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }));

  CLI::App* tree = form->add_subcommand(
      "tree", "List the objects of a form file, indented by nesting: Name: ClassName");
  tree->add_option("file", *file, "Form file")->required();
  tree->callback(
      OnModule(file, result, [](TFormModule& module) { PrintTree(*module.Document().Root, 0); }));
}
