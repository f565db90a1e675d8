#pragma once
// Which foreign dataset classes become which library datasets, and what each carries over. The
// classes are known by name only.
#include "migrator/ConvertComponents.h"

enum class TNewDataSetKind { Query, Table, StoredProc };

// The published property of the foreign dataset that holds its statement or object name.
enum class TSourceProperty { SQL, CommandText, TableName, StoredProcName, ProcedureName };

struct TConversion {
  const Char* ClassName;
  TConvertComponent Family;
  TNewDataSetKind Kind;
  TSourceProperty Source;
};

// The conversion of an object's class name (compared without regard to case), whatever the
// families; null for any other class, derived ones included.
const TConversion* FindConversion(const TObject& object);
// The same, when its family is among families.
const TConversion* FindConversion(const TObject& object, TConvertComponents families);
String SourcePropertyName(TSourceProperty source);
// "TUpdateSQL" and "TZUpdateSQL" become the library's update object, whatever the families.
bool IsConvertibleUpdateObject(const TObject& object);
