#pragma once
// The shipped data files live beside the running program, never in the
// working directory.

#include <string>

// The directory of /proc/self/exe with its trailing '/'; empty when unknown.
std::string ProgramDirectory();
