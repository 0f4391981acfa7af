#include "util/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

std::string ProgramDirectory() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    std::string directory = exe.parent_path().string();
    if (directory.empty() || directory.back() != '/')
        directory.push_back('/');
    return directory;
}
