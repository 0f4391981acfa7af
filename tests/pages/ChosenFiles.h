#pragma once
// The file dialogs of the pages answered with the test's path at once.

#include "shell/FileChooser.h"

#include <string>

class ChosenPath : public FileChooser {
public:
    void ChooseToSave(QWidget*, const QString&, const QString&, const QString&,
                      Chosen chosen) override {
        chosen(QString::fromStdString(path));
    }
    void ChooseToOpen(QWidget*, const QString&, const QString&, Chosen chosen) override {
        chosen(QString::fromStdString(path));
    }
    std::string path;
};
