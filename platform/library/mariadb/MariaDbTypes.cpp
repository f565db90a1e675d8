#include "library/mariadb/MariaDbTypes.h"

#include <utility>

namespace {

constexpr unsigned kBinaryCharset = 63;

TFieldType FieldTypeOf(enum_field_types type, bool isUnsigned, bool binary, bool autoIncrement) {
  switch (type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_YEAR:
      return isUnsigned && type == MYSQL_TYPE_SHORT ? TFieldType::ftWord : TFieldType::ftSmallint;
    case MYSQL_TYPE_INT24:
      return autoIncrement ? TFieldType::ftAutoInc : TFieldType::ftInteger;
    case MYSQL_TYPE_LONG:
      if (isUnsigned) return TFieldType::ftLargeint;
      return autoIncrement ? TFieldType::ftAutoInc : TFieldType::ftInteger;
    case MYSQL_TYPE_LONGLONG:
      return TFieldType::ftLargeint;
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
      return TFieldType::ftFloat;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
      return TFieldType::ftFMTBcd;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
      return TFieldType::ftDate;
    case MYSQL_TYPE_TIME:
      return TFieldType::ftTime;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
      return TFieldType::ftDateTime;
    case MYSQL_TYPE_STRING:
      return binary ? TFieldType::ftBytes : TFieldType::ftFixedChar;
    case MYSQL_TYPE_VARCHAR:
    case MYSQL_TYPE_VAR_STRING:
    case MYSQL_TYPE_ENUM:
    case MYSQL_TYPE_SET:
      return binary ? TFieldType::ftVarBytes : TFieldType::ftString;
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_BLOB:
    case MYSQL_TYPE_JSON:
      return binary ? TFieldType::ftBlob : TFieldType::ftMemo;
    case MYSQL_TYPE_GEOMETRY:
      return TFieldType::ftBlob;
    case MYSQL_TYPE_BIT:
      return TFieldType::ftVarBytes;
    default:
      return TFieldType::ftUnknown;
  }
}

String Text(const char* text, unsigned length) {
  return text == nullptr ? String() : FromUtf8(std::string_view(text, length));
}

}  // namespace

TColumnDescription DescribeField(const MYSQL_FIELD& field) {
  const bool binary = field.charsetnr == kBinaryCharset;
  const bool isUnsigned = (field.flags & UNSIGNED_FLAG) != 0;
  TColumnDescription column;
  column.Name = Text(field.name, field.name_length);
  column.DataType =
      FieldTypeOf(field.type, isUnsigned, binary, (field.flags & AUTO_INCREMENT_FLAG) != 0);
  column.Required = (field.flags & NOT_NULL_FLAG) != 0;
  column.AutoIncrement = (field.flags & AUTO_INCREMENT_FLAG) != 0;
  column.Table = Text(field.table, field.table_length);
  column.OriginTable = Text(field.org_table, field.org_table_length);
  column.OriginColumn = Text(field.org_name, field.org_name_length);
  switch (column.DataType) {
    case TFieldType::ftString:
    case TFieldType::ftFixedChar: {
      // The server counts the width in bytes of the result's character set.
      const MARIADB_CHARSET_INFO* charset = mariadb_get_charset_by_nr(field.charsetnr);
      const unsigned perChar =
          charset != nullptr && charset->char_maxlen > 0 ? charset->char_maxlen : 1;
      column.Size = static_cast<uint32_t>(field.length / perChar);
      break;
    }
    case TFieldType::ftBytes:
    case TFieldType::ftVarBytes:
      column.Size = static_cast<uint32_t>(field.length);
      break;
    case TFieldType::ftFMTBcd:
      column.Scale = field.decimals;
      column.Precision =
          static_cast<uint32_t>(field.length) - (field.decimals > 0 ? 1 : 0) - (isUnsigned ? 0 : 1);
      break;
    default:
      break;
  }
  return column;
}

TFieldType FieldTypeOfDataType(std::string_view dataType, std::string_view declaration) {
  static constexpr std::pair<std::string_view, enum_field_types> kTypes[] = {
      {"tinyint", MYSQL_TYPE_TINY},
      {"smallint", MYSQL_TYPE_SHORT},
      {"mediumint", MYSQL_TYPE_INT24},
      {"int", MYSQL_TYPE_LONG},
      {"bigint", MYSQL_TYPE_LONGLONG},
      {"float", MYSQL_TYPE_FLOAT},
      {"double", MYSQL_TYPE_DOUBLE},
      {"decimal", MYSQL_TYPE_NEWDECIMAL},
      {"date", MYSQL_TYPE_DATE},
      {"time", MYSQL_TYPE_TIME},
      {"datetime", MYSQL_TYPE_DATETIME},
      {"timestamp", MYSQL_TYPE_TIMESTAMP},
      {"year", MYSQL_TYPE_YEAR},
      {"char", MYSQL_TYPE_STRING},
      {"binary", MYSQL_TYPE_STRING},
      {"varchar", MYSQL_TYPE_VAR_STRING},
      {"varbinary", MYSQL_TYPE_VAR_STRING},
      {"enum", MYSQL_TYPE_ENUM},
      {"set", MYSQL_TYPE_SET},
      {"tinytext", MYSQL_TYPE_BLOB},
      {"text", MYSQL_TYPE_BLOB},
      {"mediumtext", MYSQL_TYPE_BLOB},
      {"longtext", MYSQL_TYPE_BLOB},
      {"json", MYSQL_TYPE_BLOB},
      {"tinyblob", MYSQL_TYPE_BLOB},
      {"blob", MYSQL_TYPE_BLOB},
      {"mediumblob", MYSQL_TYPE_BLOB},
      {"longblob", MYSQL_TYPE_BLOB},
      {"bit", MYSQL_TYPE_BIT},
      {"geometry", MYSQL_TYPE_GEOMETRY}};
  const bool binary = dataType == "binary" || dataType == "varbinary" || dataType.ends_with("blob");
  const bool isUnsigned = declaration.find("unsigned") != std::string_view::npos;
  for (const auto& [name, type] : kTypes) {
    if (name == dataType) return FieldTypeOf(type, isUnsigned, binary, false);
  }
  return TFieldType::ftUnknown;
}
