#include "pages/GraphNodeList.h"

#include "config/ParameterEdit.h"
#include "util/Prompter.h"

GraphNodeList::GraphNodeList(QWidget* parent) : CmyListCtrl(parent) {
    connect(this, &CmyListCtrl::ValueAccepted, this, &GraphNodeList::KeepValue);
}

// The value is checked and kept; the page writes the whole graph.
void GraphNodeList::KeepValue(int row, int column, Parameter* parameter, const QString& text) {
    ParameterEdit edit({}, row, *parameter);
    ShowPrompts(edit.Check(text.toStdString()).said);
    SetCellText(row, column, parameter->value);
    EndEdit();
}

void GraphNodeList::SetRowParameters(int row, Parameter* x, Parameter* y) {
    if (row < 0 || row >= rowCount())
        return;
    if (yParameters.size() < std::size_t(rowCount()))
        yParameters.resize(rowCount(), nullptr);
    yParameters[row] = y;
    SetRowParameter(row, x);
}

Parameter* GraphNodeList::YParameter(int row) const {
    return row >= 0 && std::size_t(row) < yParameters.size() ? yParameters[row] : nullptr;
}

Parameter* GraphNodeList::GetEditedParameter() {
    return EditedColumn() == kYColumn ? YParameter(EditedRow()) : XParameter(EditedRow());
}

void GraphNodeList::AcceptEdit() {
    const bool open = Edit() != nullptr;
    CmyListCtrl::AcceptEdit();
    if (open)
        emit NodeEdited();
}

void GraphNodeList::ClearRows() {
    yParameters.clear();
    CmyListCtrl::ClearRows();
}
