#pragma once
// Drop-down list that, in close-on-leave mode, closes itself on Esc and when
// the focus leaves it (the in-place editor of a parameter list).

#include <QComboBox>

class CmyComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CmyComboBox(QWidget* parent = nullptr, bool closeOnLeave = true);

    bool CloseOnLeave() const { return closeOnLeave; }

signals:
    // Closed on Esc or on losing the focus, nothing chosen.
    void ClosedOnLeave();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void CloseOnLeaving();

    bool closeOnLeave = true;
};
