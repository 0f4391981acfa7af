#include "controls/CmyComboBox1.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyle>

namespace {

const QColor kUndeterminedColour(200, 0, 0);
constexpr int kFrame = 2;

} // namespace

CmyComboBox1::CmyComboBox1(bool closeOnLeave, QWidget* parent)
    : CmyComboBox(parent, closeOnLeave) {}

void CmyComboBox1::Select(int index) {
    setCurrentIndex(index);
    undetermined = index == -1;
    update();
}

int CmyComboBox1::DropDownWidth() const {
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
    int width = widest + metrics.averageCharWidth() + kFrame;
    if (count() > maxVisibleItems())
        width += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return width;
}

void CmyComboBox1::showPopup() {
    view()->setMinimumWidth(DropDownWidth());
    CmyComboBox::showPopup();
}

void CmyComboBox1::paintEvent(QPaintEvent* e) {
    CmyComboBox::paintEvent(e);
    if (!undetermined || currentIndex() != -1)
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(kUndeterminedColour);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, "< не определено >");
}
