#pragma once
// The Pascal units beside the forms of a run (FORM.pas beside FORM.dfm), kept in step with the
// forms' components as a designer keeps them: the components each root owned when its form was
// opened are remembered, and each unit follows what changed since (docs/units.md).
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "classes/FormSet.h"
#include "units/FormUnit.h"

enum class TUnitState { usNone, usUnchanged, usChanged };
// "none", "unchanged" or "changed".
const char* UnitStateName(TUnitState state);

struct TUnitStep {
  std::filesystem::path File;  // beside the form; empty when there is no unit
  TUnitState State = TUnitState::usNone;
  std::string Bytes;    // the new text when changed
  std::string Problem;  // why the unit is left alone: it cannot be read or understood
};

class TFormUnits {
 public:
  // Remembers what the root of a module owns now, as its unit declares it: just opened, or just
  // saved with its unit.
  void Opened(const TFormModule& module);
  // The module's unit in step with what its root owns now. A unit that cannot be read or
  // understood stays unchanged and says why.
  TUnitStep Step(const TFormModule& module) const;

 private:
  std::unordered_map<const TFormModule*, std::vector<TUnitComponent>> FOpened;
};
