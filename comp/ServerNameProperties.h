#pragma once
// Drop-down lists of names read from the server or the component: tables, indexes, index
// fields, stored procedures, character sets and collations. Only the first selected component
// is asked; the designer sorts the list; a name may also be typed.
#include "classes/StringList.h"
#include "designide/PropertyEditor.h"

class TmySQLTableNamePropertyEditor : public TStringProperty {
  OMBRIX_CLASS(TmySQLTableNamePropertyEditor)
  TPropertyAttributes GetAttributes() override;
  void GetValues(const TGetStrProc& proc) override;
  void GetValueList(TStringList& list);
};

class TmySQLIndexNamePropertyEditor : public TStringProperty {
  OMBRIX_CLASS(TmySQLIndexNamePropertyEditor)
  TPropertyAttributes GetAttributes() override;
  void GetValues(const TGetStrProc& proc) override;
  void GetValueList(TStringList& list);
};

// The field lists of the dataset's indexes, read again each time; descending and expression
// indexes are left out, as a field list cannot name them.
class TmySQLIndexFieldNamesPropertyEditor : public TStringProperty {
  OMBRIX_CLASS(TmySQLIndexFieldNamesPropertyEditor)
  TPropertyAttributes GetAttributes() override;
  void GetValues(const TGetStrProc& proc) override;
  void GetValueList(TStringList& list);
};

class TmySQLStoredProcNamePropertyEditor : public TStringProperty {
  OMBRIX_CLASS(TmySQLStoredProcNamePropertyEditor)
  TPropertyAttributes GetAttributes() override;
  void GetValues(const TGetStrProc& proc) override;
  void GetValueList(TStringList& list);
};

class TmySQLDatabaseCharsetPropertyEditor : public TStringProperty {
  OMBRIX_CLASS(TmySQLDatabaseCharsetPropertyEditor)
  TPropertyAttributes GetAttributes() override;
  void GetValues(const TGetStrProc& proc) override;
};

class TmySQLDatabaseCollationPropertyEditor : public TStringProperty {
  OMBRIX_CLASS(TmySQLDatabaseCollationPropertyEditor)
  TPropertyAttributes GetAttributes() override;
  void GetValues(const TGetStrProc& proc) override;
};
