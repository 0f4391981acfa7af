#include "shell/ProgramResources.h"

#include <QtGlobal>

void ProgramResources::Load() { Q_INIT_RESOURCE(resources); }
