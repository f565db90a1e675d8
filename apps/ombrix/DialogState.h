#pragma once
// The update SQL editor's Options page as JSON: the table list, the table text, both field
// lists with their selections, the quote option and which buttons are enabled.
#include <string>

class TMySQLUpdateSQLEditForm;

std::string DialogStateJson(const TMySQLUpdateSQLEditForm& form);
