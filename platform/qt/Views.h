#pragma once
// The kinds of control views, by the file that makes them. Each returns null for a control of
// another kind.
#include "ControlView.h"

std::unique_ptr<TControlView> CreateTextView(TFormWindow& window, TControl& control);
std::unique_ptr<TControlView> CreateChoiceView(TFormWindow& window, TControl& control);
std::unique_ptr<TControlView> CreateContainerView(TFormWindow& window, TControl& control);
