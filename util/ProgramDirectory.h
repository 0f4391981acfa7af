#pragma once
// The shipped data files live beside the running program (the build tree),
// or, once installed, in the data folder of the installation; never in the
// working directory.

#include <string>

// The directory of /proc/self/exe with its trailing '/'; empty when unknown.
std::string ProgramDirectory();

// The folder of the data files, with its trailing '/': the program's own
// when the parameter base is there, else the installed share/zrk640/ beside
// the program's bin/, else the one the build was configured to install to.
std::string DataDirectory();
