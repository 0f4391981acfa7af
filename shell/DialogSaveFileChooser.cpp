#include "shell/DialogSaveFileChooser.h"

#include <QFileDialog>

void DialogSaveFileChooser::Choose(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix,
                                   std::function<void(const QString& path)> chosen) {
    auto* dialog = new QFileDialog(parent, title, QString(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(suffix);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString& path) { chosen(path); });
    dialog->open();
}
