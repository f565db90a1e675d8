#pragma once
// The further components of the library's palette page: plain components that forms place,
// name and stream; nothing in the package asks more of them.
#include "classes/Component.h"

class TmySQLDirectQuery : public TComponent {
  OMBRIX_CLASS(TmySQLDirectQuery)
  using TComponent::TComponent;
};

class TMySQLMacroQuery : public TComponent {
  OMBRIX_CLASS(TMySQLMacroQuery)
  using TComponent::TComponent;
};

class TMySQLBatchExecute : public TComponent {
  OMBRIX_CLASS(TMySQLBatchExecute)
  using TComponent::TComponent;
};

class TMySQLMonitor : public TComponent {
  OMBRIX_CLASS(TMySQLMonitor)
  using TComponent::TComponent;
};

class TmySQLDump : public TComponent {
  OMBRIX_CLASS(TmySQLDump)
  using TComponent::TComponent;
};

class TMySQLTools : public TComponent {
  OMBRIX_CLASS(TMySQLTools)
  using TComponent::TComponent;
};
