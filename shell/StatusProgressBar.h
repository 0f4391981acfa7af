#pragma once
// The progress bar under the wizard buttons and in the busy window: the
// animated bar, which can also fly a block while the wait has no known end.

#include "controls/CFlyProgressCtrl.h"

using StatusProgressBar = CFlyProgressCtrl;
