#pragma once
// Packs bytes into one gzip member with a full header (file name, zero time)
// so that the output is the same on every build.

#include <string>

class GzipWriter {
public:
    // 0 and the gzip member in out; else 1 with error.
    static int Compress(const std::string& data, const std::string& storedName, std::string& out,
                        std::string& error);
};
