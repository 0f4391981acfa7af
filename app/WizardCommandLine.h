#pragma once
// The wizard's own options. They are read before the QApplication exists, so
// that --help and --version answer on a console without a display.

class WizardCommandLine {
public:
    enum class Action { Run, Help, Version };

    // Help or Version when argv asks for it; everything else is left to Qt.
    static Action Parse(int argc, const char* const* argv);
    static const char* HelpText();
};
