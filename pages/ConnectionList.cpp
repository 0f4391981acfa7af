#include "pages/ConnectionList.h"

#include "params/ControllerLinkSettings.h"
#include "params/Parameter.h"
#include "shell/ListEditing.h"
#include "util/NumberText.h"
#include "util/TextCase.h"

#include <QKeyEvent>

namespace {

// The name a parity number stands for; false for a text that holds no
// number, which then stays as it is.
bool ParityName(const std::string& value, std::string& name) {
    long long number = 0;
    if (ReadInteger(value, number) == 0)
        return false;
    const int code = static_cast<int>(number);
    const ParityNames* parity = code == number ? ParityOfCode(code) : nullptr;
    name = parity ? parity->text : "";
    return true;
}

} // namespace

ConnectionList::ConnectionList(ParameterRequests& sheet, QWidget* parent) : CmyListCtrl(parent) {
    SetRequests(&sheet);
    auto* editing = new ListEditing(*this, nullptr, {});
    connect(editing, &ListEditing::Edited, this, [this](bool taken) {
        if (taken)
            emit SettingChanged();
    });
}

void ConnectionList::ShowParityNames() {
    for (int row = 0; row < rowCount(); ++row) {
        Parameter* p = RowParameter(row);
        if (p == nullptr)
            continue;
        std::string name;
        if (EqualsNoCase(p->name, kParityName) && ParityName(p->value, name))
            p->value = name;
        SetCellText(row, 2, p->value);
    }
}

void ConnectionList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && currentRow() >= 0) {
        StartEdit(currentRow(), 2);
        return;
    }
    CmyListCtrl::keyPressEvent(event);
}
