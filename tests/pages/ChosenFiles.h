#pragma once
// The file dialogs of the pages answered with the test's path at once.

#include "shell/OpenFileChooser.h"
#include "shell/SaveFileChooser.h"

#include <string>

class ChosenPath : public SaveFileChooser {
public:
    void Choose(QWidget*, const QString&, const QString&, const QString&,
                std::function<void(const QString&)> chosen) override {
        chosen(QString::fromStdString(path));
    }
    std::string path;
};

class ChosenFile : public OpenFileChooser {
public:
    void Choose(QWidget*, const QString&, const QString&,
                std::function<void(const QString&)> chosen) override {
        chosen(QString::fromStdString(path));
    }
    std::string path;
};
