#include "util/Prompter.h"
#include "shell/FontWarmUp.h"
#include "shell/GuiPrompter.h"
#include "shell/ProgramSetup.h"
#include "app/WizardCommandLine.h"
#include "app/WizardMainDialog.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    switch (WizardCommandLine::Parse(argc, argv)) {
    case WizardCommandLine::Action::Help:
        std::fputs(WizardCommandLine::HelpText(), stdout);
        return 0;
    case WizardCommandLine::Action::Version:
        std::printf("zrk640-wizard %s\n", ZRK_VERSION);
        return 0;
    case WizardCommandLine::Action::Run:
        break;
    }
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.Join();
    // Qt has taken its own options out of argv; anything left is unknown.
    if (argc > 1) {
        std::fprintf(stderr, "zrk640-wizard: неизвестный параметр %s (см. --help)\n", argv[1]);
        return 2;
    }
    ProgramSetup::Apply();
    GuiPrompter prompter;
    InstallPrompter(&prompter);
    {
        // The wizard is the program: when its modal loop ends, the program ends.
        WizardMainDialog wizard;
        wizard.show();
        wizard.exec();
    }
    InstallPrompter(nullptr);
    return 0;
}
