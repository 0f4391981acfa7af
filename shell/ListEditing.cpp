#include "shell/ListEditing.h"

#include "config/ParameterEdit.h"
#include "config/RowRules.h"
#include "controls/CmyListCtrl.h"
#include "shell/WizardSheet.h"
#include "util/Prompter.h"

#include <memory>

ListEditing::Runner ListEditing::OnDeviceWorker(WizardSheet& sheet) {
    return [&sheet](QObject* receiver, std::function<int()> job, std::function<void(int)> then) {
        sheet.RunProcedure(receiver, std::move(job), std::move(then));
    };
}

ListEditing::ListEditing(CmyListCtrl& list, ParameterExchange* device, Runner run)
    : QObject(&list), list(list), device(device), run(std::move(run)) {
    connect(&list, &CmyListCtrl::ValueAccepted, this,
            [this](int row, int, Parameter* p, const QString& text) { Accepted(row, p, text); });
}

std::vector<ScreenRow> ListEditing::Rows() const {
    std::vector<ScreenRow> rows;
    for (int row = 0; row < list.rowCount(); ++row)
        rows.push_back({list.RowParameter(row), !list.IsRowEnabled(row),
                        (list.RowFlags(row) & CmyListCtrl::kRowDeferred) != 0,
                        list.CellText(row, 2)});
    return rows;
}

// Rows rebuilt meanwhile keep what their new read showed.
void ListEditing::ShowStates(const std::vector<ScreenRow>& rows) {
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        if (list.RowParameter(row) != rows[row].parameter)
            continue;
        list.SetRowDisabled(row, rows[row].disabled);
        if (rows[row].parameter != nullptr)
            list.SetCellText(row, 2, rows[row].text);
    }
    list.viewport()->update();
}

void ListEditing::ApplyRules(bool startValue) {
    start = startValue;
    std::vector<ScreenRow> rows = Rows();
    const bool next = RowRules(rows).Apply(start);
    ShowStates(rows);
    emit NextDecided(next);
}

void ListEditing::Accepted(int row, Parameter* parameter, const QString& text) {
    auto edit = std::make_shared<ParameterEdit>(Rows(), row, *parameter);
    const EditOutcome checked = edit->Check(text.toStdString());
    ShowPrompts(checked.said);
    if (checked.result == kEditRejected) {
        list.EndEdit();
        emit Edited(false);
        return;
    }
    if (device == nullptr) {
        Show(edit->Write(nullptr, start));
        return;
    }
    auto outcome = std::make_shared<EditOutcome>();
    run(
        &list,
        [edit, outcome, exchange = device, on = start] {
            *outcome = edit->Write(exchange, on);
            return outcome->result;
        },
        [this, outcome](int) { Show(*outcome); });
}

void ListEditing::Show(const EditOutcome& outcome) {
    ShowPrompts(outcome.said);
    ShowStates(outcome.rows);
    list.EndEdit();
    emit NextDecided(outcome.next);
    emit Edited(true);
}
