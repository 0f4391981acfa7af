#include "shell/ProgramSetup.h"

#include "shell/FontFallback.h"
#include "shell/ProgramResources.h"

#include <clocale>

void ProgramSetup::Apply() {
    std::setlocale(LC_NUMERIC, "C");
    FontFallback::Install();
    ProgramResources::Load();
}
