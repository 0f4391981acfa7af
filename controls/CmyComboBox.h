#pragma once
// Drop-down list whose choice counts once it is committed: chosen from the
// dropped list, or browsed with the keys or the wheel while closed and then
// confirmed by Enter or by the focus leaving. In close-on-leave mode (the
// in-place editor of a parameter list) it closes itself on Esc and when the
// focus leaves it, nothing chosen.

#include <QComboBox>

class CmyComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CmyComboBox(QWidget* parent = nullptr, bool closeOnLeave = true);

    bool CloseOnLeave() const { return closeOnLeave; }
    // Off: typed letters and digits leave the entry alone.
    void SetTypingSearches(bool on) { typingSearches = on; }

signals:
    // The operator committed the entry index (also the one already shown,
    // when chosen again from the dropped list).
    void Chosen(int index);
    // Closed on Esc or on losing the focus, nothing chosen.
    void ClosedOnLeave();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void Activated(int index);
    void BeginBrowsing();
    // Emits Chosen for a browsed entry other than the one before browsing.
    bool CommitBrowsed();
    void CloseOnLeaving();

    bool closeOnLeave = true;
    bool typingSearches = true;
    // Inside a key or wheel event of the closed list.
    bool browsing = false;
    // The shown entry was browsed to and not yet committed.
    bool browsed = false;
    int indexBeforeBrowsing = -1;
};
