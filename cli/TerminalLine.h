#pragma once
// A progress line on stderr: rewritten in place on a terminal; elsewhere
// either every line is kept (a log shows the whole search) or none is shown.

#include <string>

class TerminalLine {
public:
    // keepOffTerminal: print each line when stderr is no terminal.
    explicit TerminalLine(bool keepOffTerminal);

    void Show(const std::string& text);
    // Ends a line rewritten in place, so that what follows starts afresh.
    void End();

private:
    bool terminal;
    bool keep;
    bool shown = false;
};
