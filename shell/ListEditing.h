#pragma once
// Carries the edits of a parameter list through the edit procedure: the
// check on the GUI thread, the write and the row rules on the device worker,
// then the rows, the boxes and Next as the procedure answers.

#include "config/ScreenRow.h"

#include <QObject>

#include <functional>
#include <vector>

class CmyListCtrl;
class Parameter;
class ParameterExchange;
class WizardSheet;
struct EditOutcome;

class ListEditing : public QObject {
    Q_OBJECT
public:
    // Runs job off the GUI thread, then `then` with its result on the GUI
    // thread unless receiver is gone.
    using Runner = std::function<void(QObject* receiver, std::function<int()> job,
                                      std::function<void(int)> then)>;
    static Runner OnDeviceWorker(WizardSheet& sheet);

    // Lives as long as the list. device null: accepted values stay in the
    // parameters, nothing is written.
    ListEditing(CmyListCtrl& list, ParameterExchange* device, Runner run);

    // The rows as the list shows them, and their states back into it.
    std::vector<ScreenRow> Rows() const;
    void ShowStates(const std::vector<ScreenRow>& rows);
    // The row rules over rows just read. start: Next as the screen alone
    // allows; later edits decide from it too.
    void ApplyRules(bool start);
    void SetStart(bool on) { start = on; }

signals:
    void NextDecided(bool enable);
    // An accepted value was answered; taken: the parameter holds it (or,
    // after a failed write, what the controller holds).
    void Edited(bool taken);

private:
    void Accepted(int row, Parameter* parameter, const QString& text);
    void Show(const EditOutcome& outcome);

    CmyListCtrl& list;
    ParameterExchange* device;
    Runner run;
    bool start = true;
};
