#pragma once
// Where a command writes a file the user named: "-" is standard output; a
// terminal, another character device or a FIFO (also behind a symlink) is
// written through as it is and never replaced; a regular file or a new name
// is replaced whole (ReplaceFile), keeping its mode and owner. A folder, a
// socket or a block device is refused.

#include <string>

class OutputFile {
public:
    static constexpr const char* kStandardOutput = "-";

    // Whether path can take the output, asked before the work that makes it:
    // 0, or -1 with the reason in reason_text.
    static int Check(const std::string& path, std::string& reason_text);

    // Writes bytes to a path that has passed Check. 0 done; -1 with the
    // reason in reason_text (a replaced file is then untouched; a device or
    // FIFO may have taken part of the bytes).
    static int Write(const std::string& path, const std::string& bytes, std::string& reason_text);

    // "-", or a path that leads where standard output goes (/dev/stdout).
    static bool IsStandardOutput(const std::string& path);

private:
    static int WriteThrough(int fd, const std::string& bytes, std::string& reason_text);
};
