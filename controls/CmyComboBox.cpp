#include "controls/CmyComboBox.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>

CmyComboBox::CmyComboBox(QWidget* parent, bool closeOnLeave)
    : QComboBox(parent), closeOnLeave(closeOnLeave) {}

// Esc must not reach the dialog, which would take it for its cancel.
void CmyComboBox::keyPressEvent(QKeyEvent* e) {
    if (closeOnLeave && e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QComboBox::keyPressEvent(e);
}

void CmyComboBox::keyReleaseEvent(QKeyEvent* e) {
    if (closeOnLeave && e->key() == Qt::Key_Escape) {
        e->accept();
        CloseOnLeaving();
        return;
    }
    QComboBox::keyReleaseEvent(e);
}

void CmyComboBox::focusOutEvent(QFocusEvent* e) {
    QComboBox::focusOutEvent(e);
    // Dropping the list down takes the focus into the popup.
    const bool dropped = e->reason() == Qt::PopupFocusReason || view()->isVisible();
    if (closeOnLeave && !dropped && isVisible())
        CloseOnLeaving();
}

void CmyComboBox::CloseOnLeaving() {
    close();
    emit ClosedOnLeave();
}
