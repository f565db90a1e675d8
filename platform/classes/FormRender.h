#pragma once
// Canonical rendering of nodes, in the host's own layout.
#include <string>

#include "classes/FormDocument.h"

// Names are written in the file's encoding (EncodeFormName).
std::string RenderObjectHeader(const TFormObject& object, const TFormStyle& style);
std::string RenderItemHeader(const TFormItem& item, const TFormStyle& style);
// "Name = value"; continuation lines are indented from indent, the property's own indentation.
void RenderProperty(std::string& out, const TFormProperty& property, const std::string& indent,
                    const TFormStyle& style);
void RenderValue(std::string& out, const TFormValue& value, const std::string& indent,
                 const TFormStyle& style);
