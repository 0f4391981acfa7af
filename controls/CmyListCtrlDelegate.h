#pragma once
// Paints the parameter list's cells: grid lines, the focused row's fill and
// frame, caption rows, grey disabled rows and the colours of unread values.

#include <QStyledItemDelegate>

class CmyListCtrl;

class CmyListCtrlDelegate : public QStyledItemDelegate {
public:
    explicit CmyListCtrlDelegate(CmyListCtrl& list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    void PaintLines(QPainter& painter, const QRect& cell) const;
    void PaintFrame(QPainter& painter, const QRect& cell, const QModelIndex& index) const;
    void PaintCaption(QPainter& painter, const QRect& cell, const QString& text) const;
    void PaintText(QPainter& painter, const QRect& cell, const QModelIndex& index) const;
    bool IsFocused(int row) const;

    CmyListCtrl& list;
};
