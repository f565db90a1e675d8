// ombrix: the command line of the design-time package and its host.
#include <CLI/CLI.hpp>
#include <iostream>

#include "Commands.h"
#include "PackageHost.h"

int main(int argc, char** argv) {
  CLI::App app{"ombrix: design-time tools for the Ombrix data-access components"};
  app.set_version_flag("--version", std::string("ombrix ") + OMBRIX_VERSION + " (" +
                                        (kWideStrings ? "16" : "8") + "-bit strings)");
  app.require_subcommand(1);
  UseInstalledLayouts();
  CommandResult result;
  AddSqlCommands(app, result);
  AddDbCommands(app, result);
  AddFormCommands(app, result);
  AddUpdateSqlCommands(app, result);
  AddPackageCommands(app, result);
  AddEditorCommands(app, result);
  AddMigrateCommands(app, result);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return e.get_exit_code() == 0 ? code : kExitUsage;
  } catch (const std::exception& e) {
    std::cerr << "ombrix: " << e.what() << '\n';
    return kExitFailure;
  }
  return result.exitCode;
}
