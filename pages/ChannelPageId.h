#pragma once
// The page a channel's pass starts on, as a dialog id: the modification's
// channel page, or the parameter list where the channels have none.

#include "config/ModificationTraits.h"

int ChannelPageId(const ModificationTraits& traits);
