#include "controls/CmyListCtrlDelegate.h"

#include "controls/CmyListCtrl.h"
#include "controls/CmyListCtrlTexts.h"
#include "params/MyConverter.h"

#include <QPainter>

namespace {

const QColor kLineColour(243, 244, 227);
const QColor kFocusFill(210, 210, 210);
const QColor kFocusFrame(100, 100, 100);
const QColor kCaptionColour(0, 0, 180);
const QColor kDisabledColour(170, 170, 170);
const QColor kNoDataColour(255, 0, 0);
const QColor kReadingColour(0, 128, 64);
constexpr int kTextIndent = 3;
constexpr int kCaptionDrop = 4;

QColor TextColour(bool disabled, const std::string& text) {
    if (text == CmyListCtrlTexts::kReading)
        return kReadingColour;
    if (disabled)
        return kDisabledColour;
    return text == kNoData ? kNoDataColour : Qt::black;
}

} // namespace

CmyListCtrlDelegate::CmyListCtrlDelegate(CmyListCtrl& list)
    : QStyledItemDelegate(&list), list(list) {}

void CmyListCtrlDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const int row = index.row();
    const bool focused = IsFocused(row);
    const bool enabled = list.IsRowEnabled(row);
    painter->save();
    painter->fillRect(option.rect, focused && enabled ? kFocusFill : QColor(Qt::white));
    PaintLines(*painter, option.rect);
    const bool caption = (list.RowFlags(row) & CmyListCtrl::kRowCaption) != 0;
    if (caption) {
        if (index.column() == 0)
            PaintCaption(*painter, option.rect, index.data().toString());
    } else {
        PaintText(*painter, option.rect, index);
    }
    if (focused && enabled)
        PaintFrame(*painter, option.rect, index);
    painter->restore();
}

bool CmyListCtrlDelegate::IsFocused(int row) const {
    return list.currentIndex().isValid() && list.currentIndex().row() == row;
}

// A caption spans the row, so the column edges inside it are drawn too.
void CmyListCtrlDelegate::PaintLines(QPainter& painter, const QRect& cell) const {
    painter.setPen(QPen(kLineColour, 1));
    painter.drawLine(cell.topLeft(), cell.topRight());
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
    for (int column = 0; column < list.columnCount(); ++column) {
        const int right = list.columnViewportPosition(column) + list.columnWidth(column) - 1;
        if (right >= cell.left() && right <= cell.right())
            painter.drawLine(right, cell.top(), right, cell.bottom());
    }
}

void CmyListCtrlDelegate::PaintFrame(QPainter& painter, const QRect& cell,
                                     const QModelIndex& index) const {
    const int column = index.column();
    painter.setPen(QPen(kFocusFrame, 1));
    painter.drawLine(cell.topLeft(), cell.topRight());
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
    if (column == 0)
        painter.drawLine(cell.topLeft(), cell.bottomLeft());
    if (column + list.columnSpan(index.row(), column) >= list.columnCount())
        painter.drawLine(cell.topRight(), cell.bottomRight());
}

void CmyListCtrlDelegate::PaintCaption(QPainter& painter, const QRect& cell,
                                       const QString& text) const {
    painter.setPen(kCaptionColour);
    painter.drawText(cell.adjusted(0, kCaptionDrop, 0, 0), Qt::AlignCenter | Qt::TextSingleLine,
                     text);
}

void CmyListCtrlDelegate::PaintText(QPainter& painter, const QRect& cell,
                                    const QModelIndex& index) const {
    const std::string text = list.CellText(index.row(), index.column());
    painter.setPen(TextColour(!list.IsRowEnabled(index.row()), text));
    const QRect area = cell.adjusted(kTextIndent, 0, 0, 0);
    const QString shown = QString::fromStdString(CmyListCtrlTexts::CellText(index.column(), text));
    // A description or value too long for one line wraps; the list made its
    // row high enough.
    if (index.column() != 1 && painter.fontMetrics().horizontalAdvance(shown) > area.width()) {
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, shown);
        return;
    }
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(shown, Qt::ElideRight, area.width()));
}
