#pragma once
// The server's column types as the host's field types.
#include <mysql.h>

#include <string_view>

#include "library/ServerSession.h"

TColumnDescription DescribeField(const MYSQL_FIELD& field);
// A routine parameter's type from information_schema: its DATA_TYPE ("int", "varchar", ...) and
// its declaration ("int(10) unsigned").
TFieldType FieldTypeOfDataType(std::string_view dataType, std::string_view declaration);
