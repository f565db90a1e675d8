#pragma once
// The designer's open modules: each module (a unit with its form) has file editors, of which
// the form editor shows the form and holds its root component.
#include "classes/Component.h"

class IOTAFormEditor;

class IOTAEditor {
 public:
  virtual ~IOTAEditor() = default;
  virtual String FileName() const = 0;
  // This editor as a form editor, or null for another kind (a source editor).
  virtual IOTAFormEditor* AsFormEditor() { return nullptr; }
};

class IOTAFormEditor : public IOTAEditor {
 public:
  IOTAFormEditor* AsFormEditor() override { return this; }
  // Brings the form to the front, as the designer does before editors work on it.
  virtual void Show() = 0;
  // The form, data module or frame being designed; null when it is not loaded.
  virtual TComponent* GetRootComponent() const = 0;
};

class IOTAModule {
 public:
  virtual ~IOTAModule() = default;
  virtual String FileName() const = 0;
  virtual int GetModuleFileCount() const = 0;
  // Raises EListError outside 0..GetModuleFileCount()-1.
  virtual IOTAEditor* GetModuleFileEditor(int index) const = 0;
};

class IOTAModuleServices {
 public:
  virtual ~IOTAModuleServices() = default;
  virtual int ModuleCount() const = 0;
  // Raises EListError outside 0..ModuleCount()-1.
  virtual IOTAModule* Modules(int index) const = 0;
};

class IBorlandIDEServices {
 public:
  virtual ~IBorlandIDEServices() = default;
  // Null when the designer does not offer module services.
  virtual IOTAModuleServices* ModuleServices() = 0;
};

// Null outside a designer.
IBorlandIDEServices* BorlandIDEServices();
void SetBorlandIDEServices(IBorlandIDEServices* services);
