#pragma once
// Each group of verbs adds its subcommands to the program; a verb stores its exit status in
// CommandResult from its callback.
#include <CLI/CLI.hpp>

inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct CommandResult {
  int exitCode = 0;
};

void AddSqlCommands(CLI::App& app, CommandResult& result);
void AddDbCommands(CLI::App& app, CommandResult& result);
void AddFormCommands(CLI::App& app, CommandResult& result);
void AddUpdateSqlCommands(CLI::App& app, CommandResult& result);
void AddPackageCommands(CLI::App& app, CommandResult& result);
void AddEditorCommands(CLI::App& app, CommandResult& result);
void AddMigrateCommands(CLI::App& app, CommandResult& result);
