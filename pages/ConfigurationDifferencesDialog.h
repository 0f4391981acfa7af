#pragma once
// What loading a configuration file would change in the controller: one row
// per value that differs (parameter, caption, the controller's value, the
// file's), what the file cannot bring, and the operator's confirmation.
// Opened with open(): accepted() writes, rejected() writes nothing.

#include "config/ConfigurationCheck.h"

#include <QDialog>

#include <string>
#include <vector>

class QPushButton;
class QTableWidget;

class ConfigurationDifferencesDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTableName = "differences";
    static constexpr const char* kWriteName = "write";
    static constexpr const char* kCancelName = "cancel";
    static constexpr const char* kNoteName = "note";

    // notes: lines under the table (what is not copied, and why).
    ConfigurationDifferencesDialog(QWidget* parent, const QString& path,
                                   const std::vector<DifferenceRow>& rows,
                                   const std::vector<std::string>& notes);

    QTableWidget* Table() const { return table; }
    QPushButton* WriteButton() const { return writeButton; }
    QPushButton* CancelButton() const { return cancelButton; }

private:
    void FillTable(const std::vector<DifferenceRow>& rows);

    QTableWidget* table = nullptr;
    QPushButton* writeButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
