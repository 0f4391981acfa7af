// The in-place editing of CmyListCtrl: opening an editor over a value cell,
// taking or dropping its text.
#include "controls/CmyListCtrl.h"

#include "controls/CmyComboBox1.h"
#include "controls/CmyEdit.h"
#include "controls/CmyListCtrlTexts.h"
#include "controls/ParameterRequests.h"
#include "util/Prompter.h"
#include "util/NumberText.h"
#include "params/NumberFormats.h"
#include "params/Parameter.h"
#include "util/TextCase.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

// Child ids of the in-place editors, kept as their object names.
constexpr const char* kEditId = "1001";
constexpr const char* kComboId = "1002";

bool EditedAsText(const Parameter& p) {
    return EqualsNoCase(p.format, kStoredDotFormat) || EqualsNoCase(p.format, kDecDotFormat) ||
           EqualsNoCase(p.format, kClockFormat);
}

} // namespace

void CmyListCtrl::StartEdit(int row, int column) {
    const std::uint8_t flags = RowFlags(row);
    if (row < 0 || row >= rowCount() || column < FirstEditableColumn() || column >= kColumns ||
        (editSettings & kReadOnly) != 0 || (flags & (kRowCaption | kRowDisabled)) != 0)
        return;
    CloseEditor();
    editedRow = row;
    editedColumn = column;
    BeginEdit(visualRect(model()->index(row, column)));
}

void CmyListCtrl::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if ((enter || e->key() == Qt::Key_F2) && e->modifiers() == Qt::NoModifier &&
        (editSettings & kReadOnly) == 0) {
        StartEdit(currentRow(), std::max(currentColumn(), CursorColumn()));
        // Enter on a row that takes no editing must not press the wizard's Next.
        e->accept();
        return;
    }
    QTableWidget::keyPressEvent(e);
}

Parameter* CmyListCtrl::GetEditedParameter() {
    return RowParameter(editedRow);
}

void CmyListCtrl::BeginEdit(const QRect& cell) {
    Parameter* p = GetEditedParameter();
    if (p == nullptr)
        return;
    if (EditedAsText(*p))
        OpenEdit(cell, *p);
    else
        OpenCombo(cell, *p);
}

void CmyListCtrl::OpenCombo(const QRect& cell, Parameter& parameter) {
    combo = new CmyComboBox1(true, viewport());
    combo->setObjectName(kComboId);
    combo->setGeometry(cell);
    combo->setFont(font());
    combo->show();
    combo->setFocus(Qt::OtherFocusReason);
    if (requests != nullptr)
        requests->FillChoices(*combo, parameter);
    combo->Select(combo->findText(QString::fromStdString(CellText(editedRow, editedColumn)),
                                  Qt::MatchExactly));
    connect(combo, &CmyComboBox::Chosen, this, &CmyListCtrl::ChooseFromCombo);
    connect(combo, &CmyComboBox::ClosedOnLeave, this, &CmyListCtrl::DestroyEditors);
}

void CmyListCtrl::OpenEdit(const QRect& cell, Parameter& parameter) {
    edit = new CmyEdit(parameter, viewport());
    edit->setObjectName(kEditId);
    edit->setGeometry(cell);
    edit->setFont(font());
    edit->setText(QString::fromStdString(CmyListCtrlTexts::CellText(2, parameter.value)));
    edit->selectAll();
    edit->show();
    edit->setFocus(Qt::OtherFocusReason);
    editing = true;
    connect(edit, &CmyEdit::FocusLeft, this, &CmyListCtrl::AcceptEdit);
    connect(edit, &CmyEdit::Cancelled, this, &CmyListCtrl::CancelEdit);
}

void CmyListCtrl::ChooseFromCombo() {
    AcceptEdit();
    ApplyRowRules(true);
}

void CmyListCtrl::CancelEdit() {
    editing = false;
    DestroyEditors();
    setFocus(Qt::OtherFocusReason);
}

// An edit box still holding typed text takes it as it goes, as when it loses
// the focus.
void CmyListCtrl::CloseEditor() {
    if (edit && editing && !accepting)
        AcceptEdit();
    DestroyEditors();
}

// Editors go later: this may run inside one of their own handlers.
void CmyListCtrl::DestroyEditors() {
    editing = false;
    for (QWidget* editor :
         {static_cast<QWidget*>(edit.data()), static_cast<QWidget*>(combo.data())}) {
        if (editor == nullptr)
            continue;
        editor->disconnect(this);
        // Hidden with the focus, it would pass the focus on to the next control.
        if (editor->hasFocus())
            setFocus(Qt::OtherFocusReason);
        editor->hide();
        editor->deleteLater();
    }
    edit = nullptr;
    combo = nullptr;
}

std::string CmyListCtrl::EditorText() const {
    if (edit && editing)
        return edit->text().toStdString();
    return combo->currentText().toStdString();
}

void CmyListCtrl::AcceptEdit() {
    if (accepting || writing || !((edit && editing) || combo))
        return;
    Parameter* p = GetEditedParameter();
    if (p == nullptr) {
        DestroyEditors();
        return;
    }
    QScopedValueRollback<bool> guard(accepting, true);
    std::string text = EditorText();
    // "Н/Д" left as shown is the unread value itself, not a new one.
    if (CmyListCtrlTexts::TypedValue(text) == p->value) {
        DestroyEditors();
        return;
    }
    const std::string old = p->value;
    const bool oldPending = p->pendingChange1;
    if (EqualsNoCase(p->name, "Sp.lu"))
        text = CheckPower(text);
    text = CmyListCtrlTexts::TypedValue(text);
    std::vector<Prompt> notices;
    const bool accepted = p->SetValue(text, false, &notices);
    ShowPrompts(notices);
    if (!accepted) {
        ShowMessage(CmyListCtrlTexts::RangeMessage(*p, text), "Значение параметра",
                    PromptIcon::Warning);
        p->value = old;
        DestroyEditors();
        return;
    }
    editing = false;
    if (!WritesRow(editedRow)) {
        FinishEdit(p->value);
        return;
    }
    // The write runs off the GUI thread; until it answers the list takes no
    // other value.
    writing = true;
    ParameterRequests* device = requests;
    const int row = editedRow;
    const int column = editedColumn;
    device->RunOnDevice(
        this, [device, p] { return device->WriteParameterRequest(*p, 2); },
        [this, p, old, oldPending, row, column](int result) {
            writing = false;
            if (result != 0) {
                p->value = old;
                p->pendingChange1 = oldPending;
            }
            editedRow = row;
            editedColumn = column;
            FinishEdit(p->value);
        });
}

void CmyListCtrl::FinishEdit(const std::string& text) {
    SetCellText(editedRow, editedColumn, text);
    DestroyEditors();
    FitTexts(); // a longer value than before
}

bool CmyListCtrl::WritesRow(int row) const {
    return requests != nullptr && (RowFlags(row) & kRowDeferred) == 0 && requests->PageKind() != 0;
}

// A setpoint given as output power lies between 0 and 1.
std::string CmyListCtrl::CheckPower(const std::string& text) const {
    const Parameter* mode = RowParameter(FindRow("P.-Sp", -1));
    if (mode == nullptr || mode->value != choice_text(*mode, 1))
        return text;
    double power = 0;
    if (ReadDouble(text, power) == 0) {
        ShowMessage("Некорректное значение!", "Ошибка", PromptIcon::Information);
        return text;
    }
    if (power >= 0 && power <= 1)
        return text;
    const std::string rounded = FormatFixed(power < 0 ? 0.0 : 1.0, 3);
    ShowMessage("Мощность лежит в диапазоне от 0 до 1. Значение будет округлено до " + rounded,
                "Некорректное значение", PromptIcon::Information);
    return rounded;
}
