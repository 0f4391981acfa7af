// The finish page's report and saved configuration after a walk that wrote
// to the controller: the report's list of the session's writes against the
// simulator's journal, the saved file against the controller.

#include "ChosenFiles.h"
#include "WizardWalk.h"

#include "config/ConfigurationCheck.h"
#include "pages/FinishPage.h"
#include "tests/link/TempDir.h"

#include <fstream>
#include <regex>
#include <sstream>

namespace {

std::string Slurp(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// The report's rows of the session's writes as "NAME[INDEX]=NEW".
std::vector<std::string> ReportedWrites(const std::string& html) {
    const std::size_t section = html.find("Записано в прибор за этот сеанс");
    std::vector<std::string> writes;
    if (section == std::string::npos)
        return writes;
    const std::string rest = html.substr(section);
    const std::regex row("<tr><td>\\d+</td><td>([^<]+)</td><td>[^<]*</td><td>[^<]*? → ([^<]*)</td></tr>");
    for (auto it = std::sregex_iterator(rest.begin(), rest.end(), row); it != std::sregex_iterator(); ++it) {
        std::string key = (*it)[1];
        if (key.find('[') == std::string::npos)
            key += "[0]";
        writes.push_back(key + "=" + (*it)[2].str());
    }
    return writes;
}

// The journal's writes as "NAME[INDEX]=VALUE", without the choice numbers.
std::vector<std::string> JournalWrites(const std::vector<std::string>& journal) {
    std::vector<std::string> writes;
    for (std::string line : journal) {
        if (line.find('=') == std::string::npos)
            continue;
        const std::size_t hash = line.rfind(" #");
        if (hash != std::string::npos)
            line.erase(hash);
        writes.push_back(line);
    }
    return writes;
}

class FinishPageFiles : public WizardWalk {
protected:
    void Save(int buttonId, const std::string& path) {
        chooser.path = path;
        static_cast<FinishPage*>(wizard().FindPageById(FinishPage::kDialogId))
            ->SetFileChooser(&chooser);
        auto* button = Control<QPushButton>(buttonId);
        ASSERT_NE(button, nullptr);
        const bool back = Button(WizardSheet::kBackId)->isEnabled();
        const bool next = Button(WizardSheet::kNextId)->isEnabled();
        button->click();
        ASSERT_TRUE(WaitIdle(60000));
        // The page comes back as it was.
        EXPECT_EQ(ActivePageId(), FinishPage::kDialogId);
        EXPECT_EQ(Button(WizardSheet::kBackId)->isEnabled(), back);
        EXPECT_EQ(Button(WizardSheet::kNextId)->isEnabled(), next);
    }
    ChosenPath chooser;
    TempDir dir;
};

} // namespace

TEST_F(FinishPageFiles, ReportListsTheSessionsWritesAndTheSavedFileMatchesTheController) {
    const WalkRow row{"M1x1", 1, 1, false, {}, "Pb", "12.5", false, -1};
    OperatorBoxes boxes(row.change);
    Start(row, {});
    WalkTo(row, FinishPage::kDialogId);
    ASSERT_FALSE(HasFatalFailure());
    const std::vector<std::string> journal = JournalWrites(NewJournal());
    ASSERT_FALSE(journal.empty());

    Save(FinishPage::kReportId, dir.file("report.html"));
    EXPECT_TRUE(NewJournal().empty()); // the report only reads
    const std::string html = Slurp(dir.file("report.html"));
    EXPECT_EQ(ReportedWrites(html), journal);
    EXPECT_NE(html.find("Pb[0]"), std::string::npos);
    // The old value is what the wizard read before it wrote.
    EXPECT_NE(html.find("30.000 → 12.500"), std::string::npos);

    Save(FinishPage::kReportId, dir.file("report.pdf"));
    ASSERT_EQ(std::system(("pdftotext " + dir.file("report.pdf") + " " + dir.file("report.txt")).c_str()), 0);
    EXPECT_NE(Slurp(dir.file("report.txt")).find("Записано в прибор за этот сеанс"), std::string::npos);

    // A name the report cannot be written as: said, nothing written.
    const std::size_t boxesBefore = boxes.Texts().size();
    Save(FinishPage::kReportId, dir.file("report.txt2"));
    ASSERT_EQ(boxes.Texts().size(), boxesBefore + 1);
    EXPECT_NE(boxes.Texts().back().find("Отчёт сохраняется в файл .pdf или .html"), std::string::npos);
    EXPECT_FALSE(std::ifstream(dir.file("report.txt2")).good());

    // The saved configuration is what `diff` finds equal to the controller.
    Save(FinishPage::kSaveId, dir.file("site.cfg"));
    std::string error;
    CheckedConfiguration checked;
    // Whole, not partial: the file ends with its end line.
    ASSERT_TRUE(LoadConfigurationFile(dir.file("site.cfg"), false, link().Table(), checked, error))
        << error;
    EXPECT_GT(checked.values.size(), 50u);
    EXPECT_TRUE(checked.unread.empty());
    std::vector<ConfigurationDifference> differences;
    ConfigurationBackup backup(wizard().Operations(), link().Table());
    ASSERT_EQ(backup.Compare(checked.values, differences, error), 0) << error;
    EXPECT_TRUE(differences.empty()) << ConfigurationKey(*differences.front().parameter);
}
