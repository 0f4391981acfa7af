#include "link/Prompter.h"
#include "shell/FontFallback.h"
#include "shell/GuiPrompter.h"
#include "shell/ProgramResources.h"
#include "shell/WizardMainDialog.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FontFallback::Install();
    ProgramResources::Load();
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
