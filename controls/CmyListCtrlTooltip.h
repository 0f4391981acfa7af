#pragma once
// Shows the whole text of a list cell too narrow for it, after the mouse has
// rested on the cell for a moment.

#include <QModelIndex>
#include <QObject>
#include <QTimer>

class CmyListCtrl;

class CmyListCtrlTooltip : public QObject {
    Q_OBJECT
public:
    explicit CmyListCtrlTooltip(CmyListCtrl& list);

    // The mouse moved to pos (viewport coordinates).
    void MouseMoved(const QPoint& pos);
    // The mouse left the list.
    void MouseLeft();
    // The text waiting to be shown; empty when the cell is not truncated.
    const QString& PendingText() const { return pending; }

private:
    void Show();
    bool NeedsTip(const QModelIndex& cell, const QString& text) const;

    CmyListCtrl& list;
    QPersistentModelIndex cell;
    QString pending;
    QTimer hover;
};
