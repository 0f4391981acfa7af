#pragma once
// Installs a prompter for a scope and restores the one it replaced.

#include "util/Prompter.h"

class PrompterGuard {
public:
    explicit PrompterGuard(Prompter& prompter) : previous(InstallPrompter(&prompter)) {}
    ~PrompterGuard() { InstallPrompter(previous); }
    PrompterGuard(const PrompterGuard&) = delete;
    PrompterGuard& operator=(const PrompterGuard&) = delete;

private:
    Prompter* previous;
};
