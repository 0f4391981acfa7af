// A regulator's parameter list on the simulated controller: real parameters
// of the shipped base, read from the device, edited in the in-place editors
// and written back.

#include "DeviceRequests.h"
#include "ListFixture.h"
#include "Screenshot.h"
#include "SimulatedDevice.h"
#include "link/DeviceErrorTexts.h"
#include "config/WizardState.h"
#include "shell/FontFallback.h"

#include <QFontMetrics>

namespace {

struct Row {
    const char* name;
    int index;
};

// Regulator 1 of channel 1: list, real, time and integer formats.
const Row kRows[] = {
    {"rEG.t", 0}, {"db", 0},    {"Pb", 0},    {"ti", 0},     {"td.ti", 0}, {"hys.c", 8},
    {"del", 8},   {"P.-Sp", 0}, {"Sp.lu", 0}, {"n.in.c", 0}, {"op", 0},    {"rel.a", 0},
};

class ListOnDevice : public ListFixture {
protected:
    void SetUp() override {
        FontFallback::Install();
        requests.state.Modification = 1;
        std::string error;
        ASSERT_TRUE(device.Start(error)) << error;
        list->SetRequests(&requests);
        EditThrough(&requests);
        for (const Row& row : kRows)
            AddDeviceRow(device.Table(row.name, row.index));
        window.resize(600, 330);
        list->FitColumns({340, 70, 160});
    }
    void TearDown() override {
        // The device's parameters go before the window, which may still accept an edit.
        list->SetRequests(nullptr);
        EditThrough(nullptr);
        list->ClearRows();
        ListFixture::TearDown();
    }

    void AddDeviceRow(Parameter& p) {
        ASSERT_EQ(device.Operations().ReadParameter(&p), kLinkOk) << p.name << ": " << p.message;
        const int row = list->rowCount();
        list->InsertRow(row, QString::fromStdString(p.DisplayName()), 0);
        list->SetRowParameter(row, &p);
        list->SetCellText(row, 1, p.name);
        list->SetCellText(row, 2, p.value);
    }
    int RowOf(const char* name, int index) const { return list->FindRow(name, index); }

    void TypeAndEnter(int row, const QString& text) {
        CmyEdit& edit = OpenEdit(row);
        Type(edit, text);
        Press(edit, Qt::Key_Return);
        Settle();
    }
    // Picks an entry with an arrow key from its neighbour and Enter, as an operator can.
    void Choose(int row, const QString& entry) {
        CmyComboBox1& combo = OpenCombo(row);
        const int wanted = combo.findText(entry);
        ASSERT_GE(wanted, 0) << entry.toStdString() << " is not offered";
        const bool fromBelow = wanted + 1 < combo.count();
        combo.setCurrentIndex(fromBelow ? wanted + 1 : wanted - 1);
        Press(combo, fromBelow ? Qt::Key_Up : Qt::Key_Down);
        Press(combo, Qt::Key_Return);
        Settle();
    }
    static std::string ErrorText(std::uint8_t code) {
        std::string text;
        network_error_text(code, 1, text);
        return text;
    }

    SimulatedDevice device;
    DeviceRequests requests{device.Link(), device.Operations()};
};

TEST_F(ListOnDevice, ShowsTheValuesTheDeviceHolds) {
    for (const Row& r : kRows) {
        const int row = RowOf(r.name, r.index);
        ASSERT_GE(row, 0) << r.name;
        EXPECT_EQ(list->CellText(row, 2), device.ReadFresh(r.name, r.index).value) << r.name;
        EXPECT_NE(list->CellText(row, 2), kNoData) << r.name;
    }
    EXPECT_EQ(list->CellText(RowOf("rEG.t", 0), 2), "ПИД");
    EXPECT_EQ(list->CellText(RowOf("ti", 0), 2), "02:00");
    EXPECT_EQ(list->CellText(RowOf("op", 0), 2), "Выходной элемент №1");
    // The shipped captions are Cyrillic; the list's font must draw them.
    const QString caption = list->item(RowOf("Pb", 0), 0)->text();
    EXPECT_TRUE(caption.startsWith("Полоса пропорциональности")) << caption.toStdString();
    for (const QChar c : caption)
        EXPECT_TRUE(QFontMetrics(list->font()).inFont(c)) << QString(c).toStdString();
}

struct TypedOnDevice {
    const char* name;
    int index;
    const char* typed;
    const char* stored; // the value the device then reports
};

TEST_F(ListOnDevice, TypedValuesReachTheDevice) {
    const TypedOnDevice cases[] = {
        {"db", 0, "12.5", "12.500"},    {"Pb", 0, "45", "45.000"},    {"ti", 0, "12:34", "12:34"},
        {"td.ti", 0, "0.1", "0.100"},   {"hys.c", 8, "3.5", "3.500"}, {"del", 8, "01:30", "01:30"},
        {"Sp.lu", 0, "55.5", "55.500"}, {"n.in.c", 0, "3", "3"},
    };
    for (const auto& c : cases) {
        const int row = RowOf(c.name, c.index);
        TypeAndEnter(row, c.typed);
        EXPECT_EQ(list->Edit(), nullptr) << c.name;
        EXPECT_EQ(device.ReadFresh(c.name, c.index).value, c.stored) << c.name;
        EXPECT_EQ(list->CellText(row, 2), device.Table(c.name, c.index).value) << c.name;
        EXPECT_EQ(device.Stored(c.name, c.index), c.stored) << c.name;
    }
}

TEST_F(ListOnDevice, ChosenEntriesReachTheDevice) {
    Choose(RowOf("rEG.t", 0), "Двухпозиционный");
    Choose(RowOf("P.-Sp", 0), "Ручное задание мощности");
    EXPECT_EQ(device.ReadFresh("rEG.t", 0).value, "Двухпозиционный");
    EXPECT_EQ(device.ReadFresh("P.-Sp", 0).value, "Ручное задание мощности");
    EXPECT_EQ(list->CellText(RowOf("rEG.t", 0), 2), "Двухпозиционный");
    // Now a power: 1.5 is brought down to 1 before it is written.
    prompter.Script(PromptAnswer::Ok);
    TypeAndEnter(RowOf("Sp.lu", 0), "1.5");
    ASSERT_EQ(TakeShown().size(), 1u);
    EXPECT_EQ(device.ReadFresh("Sp.lu", 0).value, "1.000");
}

struct Refused {
    const char* name;
    const char* typed;
    const char* message;
};

TEST_F(ListOnDevice, OutOfRangeValuesAreRefusedAndNothingIsSent) {
    const Refused cases[] = {
        {"db", "250",
         "Параметру db не может быть присвоено значение 250.\nЗначение должно быть от 0.000 до "
         "200.000."},
        {"ti", "100:00",
         "Параметру ti не может быть присвоено значение 100:00.\nЗначение должно быть от 00:00 до "
         "99:59."},
        {"n.in.c", "5",
         "Параметру n.in.c не может быть присвоено значение 5.\nЗначение должно быть от 1.000 до "
         "4.000."},
    };
    for (const auto& c : cases) {
        const int row = RowOf(c.name, 0);
        const std::string before = list->CellText(row, 2);
        const int frames = device.Frames();
        prompter.Script(PromptAnswer::Ok);
        TypeAndEnter(row, c.typed);
        const std::vector<Prompt> shown = TakeShown();
        ASSERT_EQ(shown.size(), 1u) << c.name;
        EXPECT_EQ(shown[0].text, c.message);
        EXPECT_EQ(shown[0].caption, "Значение параметра");
        EXPECT_EQ(shown[0].icon, PromptIcon::Warning);
        EXPECT_EQ(device.Frames(), frames) << c.name << " went to the device";
        EXPECT_EQ(list->CellText(row, 2), before);
        EXPECT_EQ(device.ReadFresh(c.name, 0).value, before);
    }
}

TEST_F(ListOnDevice, ADeviceRefusalKeepsTheOldValueAndShowsTheDevicesText) {
    // Regulator 1 already drives output element 1; the inspector may not.
    const int row = RowOf("rel.a", 0);
    prompter.Script(PromptAnswer::Ok);
    Choose(row, "Выходной элемент №1");
    const std::vector<Prompt> shown = TakeShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, ErrorText(71));
    EXPECT_EQ(shown[0].caption, "rel.a");
    EXPECT_EQ(shown[0].icon, PromptIcon::Warning);
    EXPECT_EQ(list->CellText(row, 2), "Не подключен");
    EXPECT_EQ(device.Table("rel.a", 0).value, "Не подключен");
    EXPECT_EQ(device.ReadFresh("rel.a", 0).value, "Не подключен");
    EXPECT_EQ(device.ReadFresh("op", 0).value, "Выходной элемент №1");
}

TEST_F(ListOnDevice, EscapeInTheOpenEditorLeavesTheDeviceAlone) {
    const int row = RowOf("Pb", 0);
    list->FocusRow(row);
    CmyEdit& edit = OpenEdit(row);
    EXPECT_EQ(edit.text(), "30.000");
    EXPECT_EQ(edit.geometry(), list->visualRect(list->model()->index(row, 2)));
    Type(edit, "77.7");
    SaveScreenshot(window.grab(), "e2e_list_editing");
    const int frames = device.Frames();
    Press(edit, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(list->Edit(), nullptr);
    EXPECT_EQ(device.Frames(), frames);
    EXPECT_EQ(list->CellText(row, 2), "30.000");
}

} // namespace
