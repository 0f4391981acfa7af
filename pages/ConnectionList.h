#pragma once
// The connection page's list of the program's link settings. An accepted
// value stays in the list and in the program's settings, never goes to the
// device, and turns Next off until "Проверить" has found the controller.

#include "controls/CmyListCtrl.h"
#include "controls/ParameterRequests.h"

class ConnectionList : public CmyListCtrl, private ParameterRequests {
    Q_OBJECT
public:
    ConnectionList(ParameterRequests& sheet, QWidget* parent);

    void AcceptEdit() override;

protected:
    // Space, besides F2 and Enter, opens the focused row's editor.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RunOnDevice(QObject* receiver, std::function<int()> job,
                     std::function<void(int)> then) override;
    int WriteParameterRequest(Parameter& parameter, int attempts) override;
    int ReadParameterRequest(Parameter& parameter, int attempts) override;
    void FillChoices(QComboBox& combo, Parameter& parameter) override;
    // The row rules of the parameter pages do not decide Next here.
    void EnableNext(bool) override {}
    int PageKind() const override { return 0; }

    ParameterRequests& sheet;
};
