#include "shell/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

FontWarmUp::FontWarmUp() : reader([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() { Join(); }

void FontWarmUp::Join() {
    if (reader.joinable())
        reader.join();
}
