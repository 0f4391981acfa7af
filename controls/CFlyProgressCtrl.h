#pragma once
// The progress bar under the wizard's buttons: a plain 0..100 bar that can
// also fly a block of fixed width across itself while the program waits for
// the device without knowing how long it takes.

#include <QBasicTimer>
#include <QPixmap>
#include <QProgressBar>

class CFlyProgressCtrl : public QProgressBar {
    Q_OBJECT
public:
    explicit CFlyProgressCtrl(QWidget* parent = nullptr);

    // Empties the bar and starts the animation when asked to and a period
    // is given.
    void Prepare(int blockWidth, int periodMs, bool start);
    void StartAnimation(int periodMs);
    void StopAnimation();

    bool IsRunning() const { return running_; }
    int Position() const { return position_; }
    int BlockWidth() const { return blockWidth_; }

    // The animation's next position in percent: steps of 2 up to
    // 100 + blockWidth, then back to 0.
    static int NextPosition(int position, int blockWidth);
    // Pixels from the left that the empty picture covers, so that only the
    // block ending at position stays visible.
    static int ErasedWidth(int position, int blockWidth, int clientWidth);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void TakeSnapshot();

    QPixmap snapshot_; // the empty bar, taken at the bar's size while the block flies
    int blockWidth_ = 0; // percent of the bar's width, 0..255
    int position_ = 0;   // percent, 0 .. 100 + blockWidth
    bool running_ = false;
    QBasicTimer timer_;
};
