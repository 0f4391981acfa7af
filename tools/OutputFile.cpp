#include "tools/OutputFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

int OutputFile::Write(const std::string& path, const std::string& bytes, std::string& error) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            error = path + ": не удалось записать файл";
            return 1;
        }
    }
    std::error_code failure;
    std::filesystem::rename(temporary, path, failure);
    if (failure) {
        std::remove(temporary.c_str());
        error = path + ": " + failure.message();
        return 1;
    }
    return 0;
}
