#include "util/Prompter.h"
#include "shell/GuiPrompter.h"
#include "shell/ProgramSetup.h"
#include "app/WizardMainDialog.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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
