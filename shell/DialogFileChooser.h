#pragma once
// The file dialogs as windows of their own (no nested event loop).

#include "shell/FileChooser.h"

class QFileDialog;

class DialogFileChooser : public FileChooser {
public:
    void ChooseToSave(QWidget* parent, const QString& title, const QString& filter,
                      const QString& suffix, Chosen chosen) override;
    void ChooseToOpen(QWidget* parent, const QString& title, const QString& filter,
                      Chosen chosen) override;

private:
    static void Open(QFileDialog* dialog, Chosen chosen);
};
