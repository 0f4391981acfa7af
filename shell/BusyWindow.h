#pragma once
// A small window that shows a long device operation: an icon, one line of
// text and a progress bar. It does not block the wizard; its caller steps the
// bar and closes it.

#include "shell/StatusProgressBar.h"

#include <QDialog>

class QLabel;

class BusyWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 184;
    static constexpr int kIconId = 1026;
    static constexpr int kTextId = 1063;
    static constexpr int kProgressId = 1043;

    // Opens the window over owner (may be null) with text; the bar will be
    // stepped stepCount times to reach its end. Close() deletes the window.
    static BusyWindow* Open(QWidget* owner, const QString& text, int stepCount);

    void Step();
    // The cancel command: the window goes away.
    void Close();

    int Progress() const;

    // Esc and the close box leave the window alone: its caller still steps it.
    void reject() override;

private:
    explicit BusyWindow(QWidget* owner);
    void SetText(const QString& text);

    QLabel* text;
    StatusProgressBar* progress;
    int step = 0;
};
