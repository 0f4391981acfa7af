#include "shell/DialogFileChooser.h"

#include <QFileDialog>

void DialogFileChooser::ChooseToSave(QWidget* parent, const QString& title, const QString& filter,
                                     const QString& suffix, Chosen chosen) {
    auto* dialog = new QFileDialog(parent, title, QString(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(suffix);
    Open(dialog, std::move(chosen));
}

void DialogFileChooser::ChooseToOpen(QWidget* parent, const QString& title, const QString& filter,
                                     Chosen chosen) {
    auto* dialog = new QFileDialog(parent, title, QString(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    Open(dialog, std::move(chosen));
}

void DialogFileChooser::Open(QFileDialog* dialog, Chosen chosen) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString& path) { chosen(path); });
    dialog->open();
}
