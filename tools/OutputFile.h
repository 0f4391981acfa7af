#pragma once
// Writes a whole output file or nothing: the bytes go to a temporary file
// beside the target, which replaces the target only when complete.

#include <string>

class OutputFile {
public:
    // 0 done; else 1 with error naming the file, and the target untouched.
    static int Write(const std::string& path, const std::string& bytes, std::string& error);
};
