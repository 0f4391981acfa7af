#include "pages/GraphNodeList.h"

GraphNodeList::GraphNodeList(QWidget* parent) : CmyListCtrl(parent) {}

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
