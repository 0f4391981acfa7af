#pragma once
// Drop-down list that says so when no entry is chosen, and whose list is as
// wide as its widest entry.

#include "controls/CmyComboBox.h"

class CmyComboBox1 : public CmyComboBox {
    Q_OBJECT
public:
    explicit CmyComboBox1(bool closeOnLeave, QWidget* parent = nullptr);

    // Selects entry index; -1 leaves none and marks the value undetermined.
    void Select(int index);
    bool Undetermined() const { return undetermined; }
    // Width of the dropped list: widest entry, an average character, the
    // frame and, when the list scrolls, the scroll bar.
    int DropDownWidth() const;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    bool undetermined = false;
};
