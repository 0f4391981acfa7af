#include "util/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

#ifndef ZRK_DATA_DIR
#define ZRK_DATA_DIR "/usr/local/share/zrk640"
#endif

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

std::string DataDirectory() {
    namespace fs = std::filesystem;
    const std::string program = ProgramDirectory();
    std::error_code error;
    const fs::path installed = fs::path(program) / ".." / "share" / "zrk640" / "";
    for (const fs::path& candidate : {fs::path(program), installed, fs::path(ZRK_DATA_DIR "/")}) {
        if (!candidate.empty() && fs::exists(candidate / "parameters_m.zip", error))
            return fs::weakly_canonical(candidate, error).string() + "/";
    }
    return program;
}
