// "Загрузить конфигурацию..." on the modification page, against the simulated
// controller: a configuration saved from one controller loaded onto another
// of another modification, what the operator is shown before anything is
// written, and what the controller's journal holds afterwards.

#include "ChosenFiles.h"
#include "WizardOnSim.h"

#include "config/ChannelCountChange.h"
#include "config/ConfigurationCheck.h"
#include "config/ConfigurationDump.h"
#include "config/ConfigurationProgress.h"
#include "config/WizardState.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "pages/ChannelCountPage.h"
#include "pages/ConfigurationDifferencesDialog.h"
#include "pages/FinishPage.h"
#include "pages/ModificationPage.h"
#include "tests/link/TempDir.h"
#include "util/ReplaceFile.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

std::string Slurp(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

bool Has(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class ConfigurationLoad : public WizardOnSim {
protected:
    void StartOn(int modification) {
        Simulator::Options options;
        options.model.modification = modification;
        options.model.changeTime = 60ms;
        StartWizard(options);
        Page().SetChangeTiming({30ms, 60});
        Page().SetFileChooser(&chooser);
        ShowPage(ModificationPage::kDialogId);
        NewJournal();
    }
    ModificationPage& Page() {
        return *static_cast<ModificationPage*>(wizard().FindPageById(ModificationPage::kDialogId));
    }
    Parameter& Table(const char* name, int index) {
        Parameter* p = link().Table().FindParameter(name, index);
        EXPECT_NE(p, nullptr) << name;
        return *p;
    }
    // Saves the controller's configuration as the finish page does.
    std::string Save(const std::string& name) {
        DumpOutcome dumped;
        std::string error;
        const std::string path = dir.file(name);
        EXPECT_EQ(DumpConfiguration(wizard().Operations(), link().Table(), path, "тест", {},
                                    ReplaceFile, dumped, error),
                  0)
            << error;
        EXPECT_TRUE(dumped.unread.empty());
        return path;
    }
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(dir.file(name), std::ios::binary) << text;
        return dir.file(name);
    }
    // Presses the page's button with the file chosen; waits for what it started.
    void Load(const std::string& path) {
        chooser.path = path;
        auto* button = Control<QPushButton>(ModificationPage::kLoadId);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisible() && button->isEnabled());
        button->click();
        ASSERT_TRUE(WaitIdle(30000));
    }
    ConfigurationDifferencesDialog* Dialog() {
        for (auto* d : wizard().findChildren<ConfigurationDifferencesDialog*>())
            if (d->isVisible())
                return d;
        return nullptr;
    }
    // The dialog's rows: key -> "controller -> file".
    std::map<std::string, std::string> Rows() {
        std::map<std::string, std::string> rows;
        QTableWidget* table = Dialog()->Table();
        for (int r = 0; r < table->rowCount(); ++r)
            rows[table->item(r, 0)->text().toStdString()] =
                table->item(r, 2)->text().toStdString() + " -> " +
                table->item(r, 3)->text().toStdString();
        return rows;
    }
    void Press(QPushButton* button) {
        ASSERT_TRUE(button->isVisible() && button->isEnabled());
        button->click();
        ASSERT_TRUE(WaitIdle(60000));
    }
    // What the controller holds against the file: the keys that differ.
    Lines StillDifferent(const std::string& path) {
        CheckedConfiguration checked;
        std::vector<ConfigurationDifference> differences;
        std::string error;
        EXPECT_TRUE(LoadConfigurationFile(path, false, link().Table(), checked, error)) << error;
        ConfigurationBackup backup(wizard().Operations(), link().Table());
        EXPECT_EQ(backup.Compare(checked.values, differences, error), 0) << error;
        Lines keys;
        for (const DifferenceRow& row : DifferenceRows(differences))
            keys.push_back(row.key);
        return keys;
    }
    std::string LastBox() {
        const std::vector<Prompt> shown = prompter.Shown();
        return shown.empty() ? std::string() : shown.back().text;
    }

    ChosenPath chooser;
    TempDir dir;
};

TEST_F(ConfigurationLoad, AModification4FileOntoAModification1ControllerChangesItAndGoesOnToTheCount) {
    // A modification-4 controller set up away from its standard values.
    StartOn(4);
    Parameter& count = Table("n.Ch", 0);
    count.value = "2";
    NullConfigurationProgress quiet;
    ASSERT_EQ(ChannelCountChange(wizard().Operations(), link().Table(), quiet).Run(count, 4), 0);
    Parameter& band = Table("Pb", 0);
    band.value = "45";
    ASSERT_EQ(wizard().Operations().WriteParameter(&band), 0);
    const std::string file = Save("m4.cfg");

    StartOn(1);
    Load(file);
    ASSERT_NE(Dialog(), nullptr) << LastBox();
    const std::map<std::string, std::string> rows = Rows();
    EXPECT_EQ(rows.at("mod.v"), "1 -> 4");
    EXPECT_EQ(rows.at("n.Ch").substr(rows.at("n.Ch").size() - 5), " -> 2");
    EXPECT_EQ(rows.at("Pb[0]"), "30.000 -> 45.000");
    EXPECT_EQ(rows.count("Addr"), 0u); // the link is never copied
    QStringList notes;
    for (const QLabel* note : Dialog()->findChildren<QLabel*>(ConfigurationDifferencesDialog::kNoteName))
        notes << note->text();
    EXPECT_EQ(notes.size(), 2) << notes.join("\n").toStdString();
    EXPECT_TRUE(notes.join("\n").startsWith("Модификация прибора сменится с 1 на 4:"));
    EXPECT_TRUE(NewJournal().empty()) << "written before the confirmation";

    prompter.Script(PromptAnswer::Ok);  // the modification change erases every setting
    prompter.Script(PromptAnswer::Yes); // its own question
    prompter.Script(PromptAnswer::Yes); // go on with the channel count
    Press(Dialog()->WriteButton());
    EXPECT_EQ(sim().Modification(), 4);
    const Lines journal = NewJournal();
    EXPECT_TRUE(Has(journal, "n.Ch[0]=2")) << journal.size();
    EXPECT_TRUE(Has(journal, "Pb[0]=45.000"));
    EXPECT_EQ(StillDifferent(file), Lines{});
    EXPECT_EQ(LastBox().rfind("Конфигурация загружена в прибор: изменено значений: ", 0), 0u)
        << LastBox();

    // The wizard follows the controller: its modification, then the count page with the new count.
    EXPECT_EQ(wizard().State().Modification, 4);
    EXPECT_EQ(wizard().State().ChannelCount, 2);
    EXPECT_EQ(ActivePageId(), ChannelCountPage::kDialogId);
    EXPECT_EQ(Control<QComboBox>(ChannelCountPage::kCountId)->currentText(), "2");
    EXPECT_EQ(Entries(ChannelCountPage::kCountId), (QStringList{"1", "2", "3", "4"}));
}

// Nothing reaches the controller from a file that is not right, or when the
// operator cancels; a value the controller refuses is named at the end.
TEST_F(ConfigurationLoad, WhatIsNotWrittenIsSaid) {
    StartOn(1);
    const std::string good = Slurp(Save("site.cfg"));
    const auto changed = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    const struct {
        const char* name;
        std::string text;
        std::string said;
    } bad[] = {
        {"wrong.cfg", changed("Pb[0] = 30.000", "Pb[0] = много"),
         ": недопустимое значение 'много' для параметра Pb"},
        {"cut.cfg", good.substr(0, good.find("Pb[0] = ")), ": Файл обрезан: нет последней строки"},
    };
    for (const auto& b : bad) {
        prompter.Clear();
        Load(Write(b.name, b.text));
        EXPECT_EQ(Dialog(), nullptr) << b.name;
        const std::string box = LastBox();
        EXPECT_EQ(box.rfind(dir.file(b.name) + ": ", 0), 0u) << box;
        EXPECT_EQ(box.find(": Строка ") != std::string::npos, b.name == std::string("wrong.cfg"))
            << box;
        EXPECT_NE(box.find(b.said), std::string::npos) << box;
        EXPECT_NE(box.find("В прибор ничего не записано."), std::string::npos) << box;
    }

    const std::string band = Write("band.cfg", changed("Pb[0] = 30.000", "Pb[0] = 45.000"));
    Load(band);
    ASSERT_NE(Dialog(), nullptr) << LastBox();
    EXPECT_EQ(Rows().size(), 1u);
    Press(Dialog()->CancelButton());
    EXPECT_TRUE(NewJournal().empty());
    EXPECT_EQ(ActivePageId(), ModificationPage::kDialogId);

    // A graph whose X values would not ascend: the controller refuses one of the two.
    const std::string graph =
        Write("graph.cfg", changed("absc[1] = 10.000", "absc[1] = 50.000").replace(
                               good.find("node[0] = 0"), 11, "node[0] = 3"));
    Load(graph);
    ASSERT_NE(Dialog(), nullptr) << LastBox();
    prompter.Clear();
    prompter.Script(PromptAnswer::No); // to the finish page
    Press(Dialog()->WriteButton());
    const std::string box = LastBox();
    EXPECT_EQ(box.rfind("Конфигурация загружена не полностью: изменено значений: 1, не изменено: 1.", 0),
              0u)
        << box;
    EXPECT_TRUE(box.find("node[0]: отказ") != std::string::npos ||
                box.find("absc[1]: отказ") != std::string::npos)
        << box;
    EXPECT_EQ(NewJournal().size(), 1u);
    EXPECT_EQ(ActivePageId(), FinishPage::kDialogId);
}

} // namespace
