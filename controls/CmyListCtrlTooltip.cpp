#include "controls/CmyListCtrlTooltip.h"

#include "controls/CmyListCtrl.h"
#include "controls/CmyListCtrlTexts.h"

#include <QToolTip>

namespace {

constexpr int kHoverMilliseconds = 300;
constexpr int kTextRoom = 5;

} // namespace

CmyListCtrlTooltip::CmyListCtrlTooltip(CmyListCtrl& list) : QObject(&list), list(list) {
    hover.setSingleShot(true);
    hover.setInterval(kHoverMilliseconds);
    connect(&hover, &QTimer::timeout, this, &CmyListCtrlTooltip::Show);
}

void CmyListCtrlTooltip::MouseMoved(const QPoint& pos) {
    const QModelIndex under = list.indexAt(pos);
    if (under == QModelIndex(cell))
        return;
    MouseLeft();
    if (!under.isValid())
        return;
    cell = under;
    const QString text = QString::fromStdString(
        CmyListCtrlTexts::CellText(under.column(), list.CellText(under.row(), under.column())));
    if (NeedsTip(under, text)) {
        pending = text;
        hover.start();
    }
}

void CmyListCtrlTooltip::MouseLeft() {
    hover.stop();
    pending.clear();
    cell = QModelIndex();
    QToolTip::hideText();
}

bool CmyListCtrlTooltip::NeedsTip(const QModelIndex& under, const QString& text) const {
    if ((list.RowFlags(under.row()) & (CmyListCtrl::kRowDisabled | CmyListCtrl::kRowCaption)) != 0)
        return false;
    const int width = list.fontMetrics().horizontalAdvance(text);
    return list.visualRect(under).width() < width + kTextRoom;
}

void CmyListCtrlTooltip::Show() {
    if (pending.isEmpty() || !cell.isValid())
        return;
    const QRect area = list.visualRect(cell);
    QToolTip::showText(list.viewport()->mapToGlobal(area.topLeft()), pending, list.viewport(),
                       area);
}
