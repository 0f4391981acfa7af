#include "pages/ConnectionList.h"

#include <QKeyEvent>

ConnectionList::ConnectionList(ParameterRequests& sheet, QWidget* parent)
    : CmyListCtrl(parent), sheet(sheet) {
    SetRequests(this);
}

void ConnectionList::AcceptEdit() {
    const int row = EditedRow();
    const int column = EditedColumn();
    const std::string before = CellText(row, column);
    CmyListCtrl::AcceptEdit();
    if (CellText(row, column) != before)
        sheet.EnableNext(false);
}

void ConnectionList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && currentRow() >= 0) {
        StartEdit(currentRow(), 2);
        return;
    }
    CmyListCtrl::keyPressEvent(event);
}

void ConnectionList::RunOnDevice(QObject* receiver, std::function<int()> job,
                                 std::function<void(int)> then) {
    sheet.RunOnDevice(receiver, std::move(job), std::move(then));
}

int ConnectionList::WriteParameterRequest(Parameter& parameter, int attempts) {
    return sheet.WriteParameterRequest(parameter, attempts);
}

int ConnectionList::ReadParameterRequest(Parameter& parameter, int attempts) {
    return sheet.ReadParameterRequest(parameter, attempts);
}

void ConnectionList::FillChoices(QComboBox& combo, Parameter& parameter) {
    sheet.FillChoices(combo, parameter);
}
