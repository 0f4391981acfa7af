// zrk640ctl: reads, writes and checks a ZRK640 from the command line. Message
// boxes of the core go to stderr through the default prompter and never wait.

#include "cli/CtlOptions.h"
#include "cli/CtlSession.h"

#include <cstdio>

int main(int argc, char** argv) {
    CtlOptions options;
    std::string error;
    if (options.Parse(argc, argv, error) != 0) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return CtlSession::kUsageError;
    }
    if (options.version) {
        std::printf("zrk640ctl %s\n", ZRK_VERSION);
        return CtlSession::kSuccess;
    }
    if (options.help || options.command.empty()) {
        std::fputs(CtlOptions::HelpText(), options.help ? stdout : stderr);
        return options.help ? CtlSession::kSuccess : CtlSession::kUsageError;
    }
    CtlSession session(options);
    return session.Run();
}
