#pragma once
// The pictures are compiled into the GUI library; a static library's resources
// must be registered by the program before first use.

class ProgramResources {
public:
    static void Load();
};
