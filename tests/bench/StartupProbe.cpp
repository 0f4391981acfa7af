// One start of a program, for the start-up benchmark: builds the window the
// way the program does, shows it, and ends the process the moment the window
// is exposed. Built twice: as the wizard, and as a bare Qt dialog of the size
// given on the command line, with the line of text given after it if any.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>

#include <cstdlib>
#include <memory>

#ifdef ZRK_PROBE_WIZARD
#include "app/WizardMainDialog.h"
#include "shell/FontWarmUp.h"
#include "shell/GuiPrompter.h"
#include "shell/ProgramSetup.h"
#include "util/Prompter.h"
#endif

int main(int argc, char** argv) {
#ifdef ZRK_PROBE_WIZARD
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.Join();
    ProgramSetup::Apply();
    static GuiPrompter prompter;
    InstallPrompter(&prompter);
    auto window = std::make_unique<WizardMainDialog>();
#else
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4)
        return 2;
    auto window = std::make_unique<QDialog>();
    window->resize(std::atoi(argv[1]), std::atoi(argv[2]));
    if (argc == 4)
        new QLabel(QString::fromUtf8(argv[3]), window.get());
#endif
    window->show();
    const bool exposed = QTest::qWaitForWindowExposed(window.get());
    // The end of the process is not the start's: nothing is torn down.
    std::_Exit(exposed ? 0 : 1);
}
