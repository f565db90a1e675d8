#pragma once
#include "classes/TypInfo.h"

// An object whose published state can be copied and streamed.
class TPersistent : public TObject {
  OMBRIX_CLASS(TPersistent)
  // Copies the state of source; raises EConvertError when the classes do not fit.
  virtual void Assign(const TPersistent* source);

 protected:
  virtual void AssignTo(TPersistent* dest) const;
};
