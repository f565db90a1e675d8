// ombrix form: loading, writing back and listing form files.
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "FormRun.h"

namespace {

// Runs a verb on one form file.
std::function<void()> OnModule(std::shared_ptr<std::string> file, CommandResult& result,
                               std::function<void(TFormModule&)> verb) {
  return [file, &result, verb] {
    result.exitCode = RunVerb([&] {
      TFormRun run;
      if (!run.Open({*file})) return kExitFailure;
      verb(run.Forms().Modules(0));
      return 0;
    });
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
    result.exitCode = RunVerb([&] {
      TFormRun run;
      const bool all = run.Open(*files);
      for (int i = 0; i < run.Forms().ModuleCount(); ++i) {
        const TFormModule& module = run.Forms().Modules(i);
        for (const TFormWarning& w : module.Warnings()) {
          std::cerr << module.FileName().string() << ':' << w.Line << ':' << w.Column
                    << ": warning: " << ToUtf8(w.Message) << '\n';
        }
      }
      return all ? 0 : kExitFailure;
    });
  });

  auto file = std::make_shared<std::string>();
  CLI::App* roundtrip =
      form->add_subcommand("roundtrip", "Load a form file and write it to standard output");
  roundtrip->add_option("file", *file, "Form file")->required();
  roundtrip->callback(OnModule(file, result, [](TFormModule& module) {
    // Written as rendered: a large form is not held twice.
    module.RenderTo([](std::string_view piece) {
      std::cout.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    });
  }));

  CLI::App* tree = form->add_subcommand(
      "tree", "List the objects of a form file, indented by nesting: Name: ClassName");
  tree->add_option("file", *file, "Form file")->required();
  tree->callback(
      OnModule(file, result, [](TFormModule& module) { PrintTree(*module.Document().Root, 0); }));
}
