#pragma once
// What the program sets up once its QApplication exists: fonts, pictures and
// the C number format.

class ProgramSetup {
public:
    // Call right after constructing the QApplication: Qt takes the locale
    // from the environment, and under a Russian one printf's "%.3f" would
    // write a comma where the controller and the help texts need a dot.
    static void Apply();
};
