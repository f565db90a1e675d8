#pragma once
// What the verbs that open form files share.
#include <exception>
#include <string>

// The classes that user forms hold: components, fields and datasets, foreign stand-ins.
void RegisterHostClasses();
// Prints why a form file did not load: FILE:LINE:COL: message when the reader knows where.
void ReportFormError(const std::string& file, const std::exception& e);
