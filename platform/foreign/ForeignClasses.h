#pragma once
// Stand-ins of the datasets, update objects and connections of other data-access families that
// a real designer would have installed. Each is registered under its own class name with the
// published properties that are read of it by name; what they do not model stays raw in the
// form file. Package code never includes this header.
#include "db/DataSet.h"
#include "foreign/ForeignProperties.h"

// A foreign dataset: a dataset that never fetches anything.
class TForeignDataSet : public TDataSet, public TForeignProperties {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return *FClass; }
  TForeignDataSet(TComponent* owner, const TClassInfo& cls);
  void Notification(TComponent* component, TOperation operation) override;

 private:
  const TClassInfo* FClass;
};

// A foreign update object or connection.
class TForeignComponent : public TComponent, public TForeignProperties {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return *FClass; }
  TForeignComponent(TComponent* owner, const TClassInfo& cls);
  void Notification(TComponent* component, TOperation operation) override;

 private:
  const TClassInfo* FClass;
};

// The class of update objects ("UpdateObject" properties point at one of these).
const TClassInfo& ForeignUpdateObjectClass();

// Registers every stand-in (idempotent); registers the database classes too.
void RegisterForeignClasses();
