#pragma once
// The object inspector: one row per published property of the selected component, each row
// worked by the property editor registered for it (value lists filled when the list opens,
// an ellipsis button for dialogs, read-only rows, typed values checked by the editor).
#include <QTableWidget>
#include <functional>

#include "DesignSession.h"
#include "designide/PropertyEditor.h"

class TInspector : public QTableWidget {
 public:
  TInspector(TDesignSession& session, QWidget* parent = nullptr);

  // Shows the component's properties (none for null).
  void Inspect(TComponent* component);
  TComponent* Inspected() const { return FComponent; }
  // Reads every value again, after something else changed the component.
  void Refresh();
  // The row of the property, or -1.
  int RowOf(const QString& property) const;

  // A value was set or an editor ran.
  std::function<void()> OnChanged;

 private:
  void Fill();
  // Runs one use of the property's editor; an exception is shown and the rows are read again.
  void Use(const String& property, const std::function<void(TPropertyEditor&)>& use);

  TDesignSession& FSession;
  TComponent* FComponent = nullptr;
};
