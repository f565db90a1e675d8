#include "Statements.h"

#include <iostream>

void PrintStatements(const std::array<const TStringList*, 4>& statements) {
  for (size_t kind = 0; kind < statements.size(); ++kind) {
    if (kind > 0) std::cout << '\n';
    for (int i = 0; i < statements[kind]->Count(); ++i)
      std::cout << ToUtf8(statements[kind]->Strings(i)) << '\n';
  }
}
