#include "shell/DialogOpenFileChooser.h"

#include <QFileDialog>

void DialogOpenFileChooser::Choose(QWidget* parent, const QString& title, const QString& filter,
                                   std::function<void(const QString& path)> chosen) {
    auto* dialog = new QFileDialog(parent, title, QString(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString& path) { chosen(path); });
    dialog->open();
}
