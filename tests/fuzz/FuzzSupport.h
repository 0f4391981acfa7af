#pragma once
// Shared pieces of the fuzz targets: a failed property aborts (libFuzzer
// keeps the input), boxes are answered silently, and readers that take a
// path get the input through an in-memory file.

#include "util/Prompter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

#define FUZZ_CHECK(condition)                                                          \
    do {                                                                               \
        if (!(condition)) {                                                            \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__,  \
                         #condition);                                                  \
            std::abort();                                                              \
        }                                                                              \
    } while (0)

// Answers every box with its first button; printing them would slow the run.
class SilentPrompter : public Prompter {
public:
    SilentPrompter() { InstallPrompter(this); }
    PromptAnswer ask(const Prompt& prompt) override {
        return prompt.buttons == PromptButtons::YesNo || prompt.buttons == PromptButtons::YesNoCancel
                   ? PromptAnswer::Yes
                   : PromptAnswer::Ok;
    }
};

// A file that lives in memory: no disk I/O per input, and one per process,
// so parallel fuzzing jobs do not share it.
class MemoryFile {
public:
    MemoryFile() : fd_(memfd_create("zrk640-fuzz", 0)) {
        if (fd_ < 0)
            std::abort();
    }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    std::string Directory() const { return "/proc/self/fd/"; }
    std::string Name() const { return std::to_string(fd_); }
    std::string Path() const { return Directory() + Name(); }

    void Fill(const std::uint8_t* data, std::size_t size) {
        if (ftruncate(fd_, 0) != 0 || pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size))
            std::abort();
    }

private:
    int fd_;
};
