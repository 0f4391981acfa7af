#pragma once
// A shown, active window holding a parameter list and one other field to
// take the focus, with the sheet and the message boxes scripted.

#include "FakeSheet.h"
#include "controls/CmyListCtrl.h"
#include "shell/ListEditing.h"
#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"
#include "params/Parameter.h"

#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <string>

struct RowShape {
    std::string name;
    std::string format;
    double lower = 0;
    double upper = 0;
    std::string value = "0";
    int index = 0;
    int decimals = 3;
};

class ListFixture : public ::testing::Test {
protected:
    ListFixture();
    void TearDown() override;

    // Accepted values go through the edit procedure to device, at once;
    // null keeps them in the parameters.
    void EditThrough(ParameterExchange* device);
    // Adds a row for a parameter made from shape; returns the parameter.
    Parameter& AddRow(const RowShape& shape, std::uint8_t flags = 0);
    void AddCaption(const QString& text);
    QPoint CellCentre(int row, int column) const;
    // Double-clicks the value cell and answers the editor it opened.
    void OpenEditor(int row, int column = 2);
    CmyEdit& OpenEdit(int row);
    CmyComboBox1& OpenCombo(int row);
    // Replaces the edit box's text by typing, one key a character.
    void Type(QWidget& widget, const QString& text);
    void Press(QWidget& widget, Qt::Key key);
    void LeaveEditor(); // moves the focus to the other field
    // Processes the deferred deletion of closed editors.
    void Settle();
    std::vector<Prompt> TakeShown();

    ScriptedPrompter prompter;
    PrompterGuard guard{prompter};
    FakeSheet sheet;
    std::deque<Parameter> parameters; // outlives the window, whose close may accept an edit
    QWidget window;
    CmyListCtrl* list = nullptr;
    ListEditing* editing = nullptr;
    QLineEdit* other = nullptr;
};
