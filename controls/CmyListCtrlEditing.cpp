// The in-place editing of CmyListCtrl: opening an editor over a value cell,
// taking or dropping its text.
#include "controls/CmyListCtrl.h"

#include "controls/CmyComboBox1.h"
#include "controls/CmyEdit.h"
#include "controls/CmyListCtrlTexts.h"
#include "controls/ParameterRequests.h"
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
    if (accepting || answering || !((edit && editing) || combo))
        return;
    Parameter* p = GetEditedParameter();
    if (p == nullptr) {
        DestroyEditors();
        return;
    }
    // A box the page shows meanwhile takes the focus from the editor.
    QScopedValueRollback<bool> guard(accepting, true);
    // "Н/Д" left as shown is the unread value itself, not a new one.
    const std::string text = CmyListCtrlTexts::TypedValue(EditorText());
    if (text == p->value) {
        DestroyEditors();
        return;
    }
    editing = false;
    answering = true;
    emit ValueAccepted(editedRow, editedColumn, p, QString::fromStdString(text));
}

void CmyListCtrl::EndEdit() {
    answering = false;
    DestroyEditors();
    FitTexts(); // a longer value than before
}
