#pragma once
// Values between the server's text protocol and the host's variants. Numbers are read and
// written with a decimal point whatever the host's locale; dates as yyyy-mm-dd hh:nn:ss.
#include "db/Variant.h"
#include "library/ServerSession.h"

// Null for SQL NULL and for the server's zero dates, which the host cannot hold. Raises the
// database error for text that does not fit the column's type.
Variant VariantFromServer(const TRowValue& value, TFieldType type);

// The value as the server reads it for a parameter or a compared column of the given type.
TParamValue ServerParam(const String& name, const Variant& value, TFieldType type);
