#include "controls/CmyEdit.h"

#include "controls/CmyListCtrlTexts.h"
#include "params/Parameter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolTip>

namespace {

constexpr int kTipMilliseconds = 15000;
constexpr int kTipWidth = 250;

} // namespace

CmyEdit::CmyEdit(const Parameter& parameter, QWidget* parent)
    : QLineEdit(parent),
      tipTitle(QString::fromStdString(CmyListCtrlTexts::EditTipTitle(parameter))),
      tipText(QString::fromStdString(CmyListCtrlTexts::EditTipText(parameter))) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrame(true);
}

void CmyEdit::ShowTip() {
    const QString html =
        QString("<table width=%1><tr><td><b>&#x2139; %2</b><br>%3</td></tr></table>")
            .arg(kTipWidth)
            .arg(tipTitle.toHtmlEscaped(), tipText.toHtmlEscaped());
    QToolTip::showText(mapToGlobal(QPoint(0, height())), html, this, rect(), kTipMilliseconds);
}

bool CmyEdit::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        ShowTip();
        return true;
    }
    return QLineEdit::event(e);
}

// Enter and Esc stay here: the page and the dialog must not see them as
// presses of their own buttons.
void CmyEdit::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (parentWidget() != nullptr)
            parentWidget()->setFocus(Qt::OtherFocusReason);
        e->accept();
        return;
    case Qt::Key_Escape:
        e->accept();
        return;
    default:
        QLineEdit::keyPressEvent(e);
    }
}

void CmyEdit::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        emit Cancelled();
        return;
    }
    QLineEdit::keyReleaseEvent(e);
}

void CmyEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // The box's own context menu takes the focus for a moment.
    if (e->reason() != Qt::PopupFocusReason)
        emit FocusLeft();
}
