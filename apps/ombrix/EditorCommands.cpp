// ombrix verbs, verb, dblclick, values and edit: the package's component and property editors
// on components of form files, found through what the package registered, as a designer finds
// them.
#include <iostream>
#include <memory>

#include "Commands.h"
#include "DesignRun.h"
#include "Json.h"
#include "classes/StringList.h"
#include "designide/Registry.h"

namespace {

struct TEditorOptions : TDesignOptions {
  std::string Property;
  int Index = 0;
  bool Attributes = false;
};

std::vector<String> AttributeNames(TPropertyAttributes set) {
  static const Char* const names[] = {STR("paValueList"),     STR("paSubProperties"),
                                      STR("paDialog"),        STR("paMultiSelect"),
                                      STR("paAutoUpdate"),    STR("paSortList"),
                                      STR("paReadOnly"),      STR("paRevertable"),
                                      STR("paFullWidthName"), STR("paVolatileSubProperties"),
                                      STR("paVCL"),           STR("paNotNestable")};
  std::vector<String> out;
  for (int a = paValueList; a <= paNotNestable; ++a) {
    if (HasAttribute(set, static_cast<TPropertyAttribute>(a))) out.push_back(names[a]);
  }
  return out;
}

// One text per line, or a JSON array of them.
void PrintList(const std::vector<String>& texts, bool json) {
  if (json) {
    std::vector<std::string> items;
    for (const String& t : texts) items.push_back(JsonString(t));
    std::cout << JsonArray(items) << '\n';
    return;
  }
  for (const String& t : texts) std::cout << ToUtf8(t) << '\n';
}

std::unique_ptr<TComponentEditor> EditorOf(TDesignRun& run, const TEditorOptions& options) {
  TComponent* object = run.Select(options.Object).front();
  return GetComponentEditor(object, run.Designer());
}

int Verbs(const TEditorOptions& options) {
  TDesignRun run(options);
  auto editor = EditorOf(run, options);
  std::vector<String> captions;
  for (int i = 0; i < editor->GetVerbCount(); ++i) captions.push_back(editor->GetVerb(i));
  if (options.Json) {
    PrintList(captions, true);
  } else {
    for (size_t i = 0; i < captions.size(); ++i)
      std::cout << i << '\t' << ToUtf8(captions[i]) << '\n';
  }
  return 0;
}

int Verb(const TEditorOptions& options) {
  TDesignRun run(options);
  auto editor = EditorOf(run, options);
  if (editor->GetVerbCount() == 0) {
    throw ERunFailed(options.Object + " (" + ToUtf8(editor->Component()->ClassName()) +
                     ") has no verbs");
  }
  return run.Act([&] { editor->ExecuteVerb(options.Index); });
}

int DblClick(const TEditorOptions& options) {
  TDesignRun run(options);
  auto editor = EditorOf(run, options);
  return run.Act([&] { editor->Edit(); });
}

std::unique_ptr<TPropertyEditor> PropertyEditorOf(TDesignRun& run, const TEditorOptions& options) {
  const std::vector<TComponent*> objects = run.Select(options.Object);
  return GetPropertyEditor(run.Designer(), {objects.begin(), objects.end()},
                           FromUtf8(options.Property));
}

int Values(const TEditorOptions& options) {
  TDesignRun run(options);
  auto editor = PropertyEditorOf(run, options);
  const TPropertyAttributes attributes = editor->GetAttributes();
  if (options.Attributes) {
    const std::vector<String> names = AttributeNames(attributes);
    if (options.Json) {
      PrintList(names, true);
    } else {
      String line;
      for (const String& name : names) line += (line.empty() ? String() : STR(" ")) + name;
      std::cout << ToUtf8(line) << '\n';
    }
    return 0;
  }
  TStringList values;
  editor->GetValues([&values](const String& value) { values.Add(value); });
  if (HasAttribute(attributes, paSortList)) values.Sort();
  std::vector<String> texts;
  for (int i = 0; i < values.Count(); ++i) texts.push_back(values.Strings(i));
  PrintList(texts, options.Json);
  return 0;
}

int Edit(const TEditorOptions& options) {
  TDesignRun run(options);
  auto editor = PropertyEditorOf(run, options);
  return run.Act([&] { editor->Edit(); });
}

CLI::App* AddVerb(CLI::App& app, CommandResult& result, const char* name, const char* help,
                  bool dialogs, int (*run)(const TEditorOptions&),
                  std::shared_ptr<TEditorOptions>& options) {
  options = std::make_shared<TEditorOptions>();
  CLI::App* command = app.add_subcommand(name, help);
  AddDesignOptions(*command, *options, dialogs);
  command->callback(
      [options, run, &result] { result.exitCode = RunVerb([&] { return run(*options); }); });
  return command;
}

}  // namespace

void AddEditorCommands(CLI::App& app, CommandResult& result) {
  std::shared_ptr<TEditorOptions> o;
  AddVerb(app, result, "verbs", "the component editor's verbs, as its context menu shows them",
          false, Verbs, o)
      ->add_option("--object", o->Object, "the component")
      ->required();
  CLI::App* verb =
      AddVerb(app, result, "verb", "run a verb of the component editor; dialogs follow the script",
              true, Verb, o);
  verb->add_option("--object", o->Object, "the component")->required();
  verb->add_option("--index", o->Index, "the verb's index, given to the editor as it is")
      ->required();
  AddVerb(app, result, "dblclick",
          "the component editor's double-click action; dialogs follow the script", true, DblClick,
          o)
      ->add_option("--object", o->Object, "the component")
      ->required();
  CLI::App* values = AddVerb(app, result, "values",
                             "the drop-down values of a property, as the object inspector shows "
                             "them",
                             false, Values, o);
  values->add_option("--object", o->Object, "the selected components, the shown one first (A,B)")
      ->required();
  values->add_option("--property", o->Property, "the property")->required();
  values->add_flag("--attributes", o->Attributes, "print the editor's attributes instead");
  CLI::App* edit =
      AddVerb(app, result, "edit",
              "the property editor's ellipsis button; dialogs follow the script", true, Edit, o);
  edit->add_option("--object", o->Object, "the component")->required();
  edit->add_option("--property", o->Property, "the property")->required();
}
