#pragma once
// Reading and writing the host's textual form format.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "classes/FormDocument.h"
#include "classes/FormErrors.h"

// Nesting of objects, lists and collections beyond this is refused (EParserError) so that
// hostile input cannot exhaust the stack.
inline constexpr int kMaxFormNesting = 128;

// Parses the bytes of a form file. Raises EParserError with the place of the first fault.
std::unique_ptr<TFormDocument> ReadFormText(std::string_view bytes, const String& fileName);
// Reads a file; a file that cannot be opened raises EFormError at line 0.
std::unique_ptr<TFormDocument> LoadFormFile(const std::filesystem::path& path);

// The bytes of the document: unchanged nodes as found, changed and new ones rendered in the
// document's style. Raises EFormError when a Windows-1252 file cannot hold a new name.
std::string WriteFormText(const TFormDocument& document);
// The same bytes handed to sink in pieces of about 16 KB, for output that need not be held whole.
// A failure may come after some pieces were given.
using TFormSink = std::function<void(std::string_view)>;
void WriteFormText(const TFormDocument& document, const TFormSink& sink);
// Renders first, then replaces the file atomically (temporary file in the same folder, then
// rename). Raises EFormError when the file cannot be written; the old file then stays.
void SaveFormFile(const TFormDocument& document, const std::filesystem::path& path);

// Canonical rendering of one value, as the host writes it at the given indentation of its
// property (continuation lines are indented two more).
std::string RenderFormValue(const TFormValue& value, const std::string& indent,
                            const TFormStyle& style);
