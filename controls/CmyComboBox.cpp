#include "controls/CmyComboBox.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWheelEvent>

namespace {

bool IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

} // namespace

CmyComboBox::CmyComboBox(QWidget* parent, bool closeOnLeave)
    : QComboBox(parent), closeOnLeave(closeOnLeave) {
    connect(this, &QComboBox::activated, this, &CmyComboBox::Activated);
    // The page selecting an entry itself ends any browsing.
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!browsing)
            browsed = false;
    });
}

void CmyComboBox::Activated(int index) {
    if (!browsing) {
        browsed = false;
        emit Chosen(index);
        return;
    }
    browsed = true;
}

// The entry shown before the first browsing step is the one a commit compares with.
void CmyComboBox::BeginBrowsing() {
    if (!browsed)
        indexBeforeBrowsing = currentIndex();
    browsing = true;
}

bool CmyComboBox::CommitBrowsed() {
    if (!browsed)
        return false;
    browsed = false;
    if (currentIndex() == indexBeforeBrowsing)
        return false;
    emit Chosen(currentIndex());
    return true;
}

void CmyComboBox::keyPressEvent(QKeyEvent* e) {
    // Esc must not reach the dialog, which would take it for its cancel.
    if (closeOnLeave && e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    if (IsEnter(e) && !view()->isVisible()) {
        const bool committed = CommitBrowsed();
        // An in-place editor takes Enter as its accept, even of the same entry.
        if (!committed && closeOnLeave)
            emit Chosen(currentIndex());
        if (committed || closeOnLeave)
            e->accept();
        else
            e->ignore(); // the wizard's default button
        return;
    }
    if (!typingSearches && !e->text().isEmpty() && e->text().at(0).isPrint()) {
        e->accept();
        return;
    }
    BeginBrowsing();
    QComboBox::keyPressEvent(e);
    browsing = false;
}

void CmyComboBox::keyReleaseEvent(QKeyEvent* e) {
    if (closeOnLeave && e->key() == Qt::Key_Escape) {
        e->accept();
        CloseOnLeaving();
        return;
    }
    QComboBox::keyReleaseEvent(e);
}

void CmyComboBox::wheelEvent(QWheelEvent* e) {
    BeginBrowsing();
    QComboBox::wheelEvent(e);
    browsing = false;
}

void CmyComboBox::focusOutEvent(QFocusEvent* e) {
    QComboBox::focusOutEvent(e);
    // Dropping the list down takes the focus into the popup.
    const bool dropped = e->reason() == Qt::PopupFocusReason || view()->isVisible();
    // A box over the window takes the focus only for a while.
    if (dropped || e->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (closeOnLeave) {
        if (isVisible())
            CloseOnLeaving();
        return;
    }
    CommitBrowsed();
}

void CmyComboBox::CloseOnLeaving() {
    browsed = false;
    close();
    emit ClosedOnLeave();
}
