#include "controls/CFlyProgressCtrl.h"

#include <QPainter>
#include <QStyleOptionProgressBar>
#include <QTimerEvent>

#include <algorithm>

CFlyProgressCtrl::CFlyProgressCtrl(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setTextVisible(false);
}

void CFlyProgressCtrl::Prepare(int blockWidth, int periodMs, bool start) {
    setValue(0);
    position_ = 0;
    blockWidth_ = std::clamp(blockWidth, 0, 255);
    // The picture of the empty bar is taken when the block first flies.
    snapshot_ = QPixmap();
    if (start && periodMs > 0)
        StartAnimation(periodMs);
}

void CFlyProgressCtrl::StartAnimation(int periodMs) {
    running_ = true;
    timer_.start(std::max(periodMs, 1), this);
}

void CFlyProgressCtrl::StopAnimation() {
    timer_.stop();
    running_ = false;
    update();
}

int CFlyProgressCtrl::NextPosition(int position, int blockWidth) {
    return position < 100 + blockWidth ? position + 2 : 0;
}

int CFlyProgressCtrl::ErasedWidth(int position, int blockWidth, int clientWidth) {
    const int percent = std::clamp(position - blockWidth, 0, 100);
    return percent * clientWidth / 100;
}

void CFlyProgressCtrl::paintEvent(QPaintEvent* event) {
    QProgressBar::paintEvent(event);
    if (!running_)
        return;
    if (snapshot_.size() != size())
        TakeSnapshot();
    if (snapshot_.isNull())
        return;
    const int erased = ErasedWidth(position_, blockWidth_, width());
    if (erased > 0) {
        QPainter painter(this);
        painter.drawPixmap(QPoint(0, 0), snapshot_, QRect(0, 0, erased, snapshot_.height()));
    }
}

void CFlyProgressCtrl::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId()) {
        QProgressBar::timerEvent(event);
        return;
    }
    position_ = NextPosition(position_, blockWidth_);
    // The bar refuses values beyond its range; it stops at the right end.
    setValue(std::clamp(position_, minimum(), maximum()));
    update();
}

void CFlyProgressCtrl::TakeSnapshot() {
    snapshot_ = QPixmap();
    if (size().isEmpty())
        return;
    snapshot_ = QPixmap(size());
    snapshot_.fill(palette().color(backgroundRole()));
    QPainter painter(&snapshot_);
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    option.progress = option.minimum;
    style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
}
