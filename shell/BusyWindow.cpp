#include "shell/BusyWindow.h"

#include "shell/DialogUnits.h"
#include "shell/ProgramResources.h"

#include <QLabel>
#include <QPixmap>
#include <algorithm>

BusyWindow::BusyWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint),
      text(new QLabel(this)), progress(new StatusProgressBar(this)) {
    setObjectName(QString::number(kTemplateId));
    setFixedSize(DialogUnits::Size(149, 39));

    auto* icon = new QLabel(this);
    icon->setObjectName(QString::number(kIconId));
    icon->setGeometry(DialogUnits::Rect(3, 3, 20, 20));
    icon->setPixmap(ProgramResources::Picture(":/icons/190.png"));
    icon->setAlignment(Qt::AlignCenter);

    text->setObjectName(QString::number(kTextId));
    text->setGeometry(DialogUnits::Rect(30, 3, 116, 21));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);

    progress->setObjectName(QString::number(kProgressId));
    progress->setGeometry(DialogUnits::Rect(3, 25, 143, 11));
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setTextVisible(false);
}

BusyWindow* BusyWindow::Open(QWidget* owner, const QString& message, int stepCount) {
    auto* window = new BusyWindow(owner);
    if (owner)
        window->move(owner->mapToGlobal(QPoint(DialogUnits::X(85), DialogUnits::Y(91))));
    window->show();
    window->SetText(message);
    // A count of zero would divide by zero; such an operation ends in one step.
    window->step = 100 / std::max(stepCount, 1);
    return window;
}

void BusyWindow::SetText(const QString& message) {
    text->setText(message);
    // The caller keeps the GUI thread busy; paint the text now.
    text->repaint();
}

// A bar past its end would be ignored by Qt; it stops at full instead.
void BusyWindow::Step() {
    progress->setValue(std::min(progress->value() + step, progress->maximum()));
    progress->repaint();
}

void BusyWindow::Close() {
    hide();
    deleteLater();
}

void BusyWindow::reject() {}

int BusyWindow::Progress() const { return progress->value(); }
