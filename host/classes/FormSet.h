#pragma once
// The forms opened together for design: each module is a form file, its document and the
// components built from it. References between components resolve across the modules, also
// when the form they name opens later. Saving a module brings its document in line with the
// components, so that the file changes only where the components changed.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "classes/FormLoader.h"
#include "classes/FormText.h"

class TFormSet;

class TFormModule {
 public:
  ~TFormModule();
  TFormModule(const TFormModule&) = delete;
  TFormModule& operator=(const TFormModule&) = delete;

  const std::filesystem::path& FileName() const;
  TFormDocument& Document() const;
  // The form, data module or frame; it belongs to the module.
  TComponent* Root() const;
  const std::vector<TFormWarning>& Warnings() const;

  // The file's bytes for the components as they are now.
  std::string Render();
  // The same bytes in pieces (WriteFormText), for output that need not be held whole.
  void RenderTo(const TFormSink& sink);
  // Renders, then replaces the file atomically. Raises EFormError; the file then stays as it was.
  void Save();

 private:
  friend class TFormSet;
  struct TState;
  explicit TFormModule(std::unique_ptr<TState> state);
  // Brings the document in line with the components.
  void Sync();
  std::unique_ptr<TState> FState;
};

// Lenient, designing: how the designer opens forms.
TFormReadOptions DesignReadOptions();

class TFormSet {
 public:
  explicit TFormSet(const TFormReadOptions& options = DesignReadOptions());
  ~TFormSet();
  TFormSet(const TFormSet&) = delete;
  TFormSet& operator=(const TFormSet&) = delete;

  // Reads and builds a form file. Raises EFormError (EParserError, EReadError); the set is then
  // unchanged.
  TFormModule& Open(const std::filesystem::path& file);
  // The same for text held in memory; fileName names it in messages and is where Save writes.
  TFormModule& OpenText(std::string_view bytes, const std::filesystem::path& fileName);
  // Frees the module's components. References into them from other modules are cleared and
  // written back as they were read; they resolve again when the form is opened again.
  void Close(TFormModule& module);

  int ModuleCount() const { return static_cast<int>(FModules.size()); }
  TFormModule& Modules(int index) const { return *FModules.at(static_cast<size_t>(index)); }
  // Null when no module has that root.
  TFormModule* FindModule(const TComponent* root) const;
  // Writes every module whose rendering differs from its file, all or none: each new text is
  // written beside its file before any file is replaced; a symbolic link's target is replaced,
  // not the link; an unchanged file is not touched. alongside (a form's unit, say) joins the
  // same all or none. Returns the modules written. Raises Exception naming the file; the files
  // then stay as they were.
  using TFileText = std::pair<std::filesystem::path, std::string_view>;
  std::vector<TFormModule*> SaveChanged(const std::vector<TFileText>& alongside = {});

 private:
  TFormModule& Add(std::unique_ptr<TFormDocument> document, const std::filesystem::path& file);
  // Resolves the waiting references that name the form just opened.
  void RetryReferences(const TComponent* opened);
  TFormReadOptions FOptions;
  std::vector<std::unique_ptr<TFormModule>> FModules;
  std::vector<TComponent*> FRoots;     // the modules' roots, in step with FModules
  std::vector<TFormModule*> FWaiting;  // modules that may hold references into forms not open
};
