#pragma once
// The connection page's list of the program's link settings. An accepted
// value stays in the list and in the program's settings, never goes to the
// device, and turns Next off until "Проверить" has found the controller.

#include "controls/CmyListCtrl.h"

class ParameterRequests;

class ConnectionList : public CmyListCtrl {
    Q_OBJECT
public:
    ConnectionList(ParameterRequests& sheet, QWidget* parent);

    // Parity numbers read as their names; every value cell shows its parameter.
    void ShowParityNames();

signals:
    // A setting took another value.
    void SettingChanged();

protected:
    // Space, besides F2 and Enter, opens the focused row's editor.
    void keyPressEvent(QKeyEvent* event) override;
};
