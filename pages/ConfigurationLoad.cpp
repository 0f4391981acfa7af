#include "pages/ConfigurationLoad.h"

#include "config/ConfigurationRestore.h"
#include "config/WizardState.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/TransferStatus.h"
#include "pages/ChannelCountPage.h"
#include "pages/ConfigurationDifferencesDialog.h"
#include "pages/FinishPage.h"
#include "params/ParameterTable.h"
#include "shell/DeviceServices.h"
#include "shell/StatusLinePass.h"
#include "shell/WizardPage.h"
#include "shell/WizardSheet.h"
#include "util/Prompter.h"
#include "util/TextCase.h"

#include <cstdlib>

namespace {

constexpr const char* kCountName = "n.Ch";
constexpr const char* kModificationName = "mod.v";
constexpr const char* kLinkNote =
    "Адрес и параметры связи прибора из файла не копируются: прибор остается на своей линии.";

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += "\n" + line;
    return text;
}

} // namespace

// One load, from the file to the last read-back; the worker and the GUI
// thread take turns with it, never both at once.
struct ConfigurationLoad::Job {
    QString path;
    CheckedConfiguration checked;
    bool linkLeftOut = false;
    std::vector<ConfigurationDifference> differences;
    RestoreReport report;
    std::string error;
    int modification = 0; // what the controller holds at the end; 0 unread
    int channels = 0;
};

void ConfigurationLoad::Start() {
    fileChooser->ChooseToOpen(&page, "Загрузить конфигурацию", "Конфигурация (*.cfg);;Все файлы (*)",
                        [this](const QString& path) { Check(path); });
}

// A file is refused before the first request, with its line and the reason.
void ConfigurationLoad::Check(const QString& path) {
    auto job = std::make_shared<Job>();
    job->path = path;
    std::string error;
    if (!LoadConfigurationFile(path.toStdString(), false, page.Services()->Link().Table(),
                               job->checked, error)) {
        ShowMessage(error + "\nВ прибор ничего не записано.", "", PromptIcon::Error);
        return;
    }
    job->linkLeftOut = LeaveOutNetworkSettings(job->checked);
    Compare(job);
}

void ConfigurationLoad::Compare(const std::shared_ptr<Job>& job) {
    DeviceServices& device = *page.Services();
    page.Sheet()->RunProcedure(
        &page,
        [&device, job] {
            ConfigurationRestore restore(device.Operations(), device.Link(), device.Progress(),
                                         device.Link().Port().exit_event());
            restore.SetProgress(StatusLinePass(device.Status(), "Чтение настроек прибора..."), {});
            const int r = restore.Differences(job->checked, job->differences, job->error);
            device.Status().ShowStatus(false, "");
            return r;
        },
        [this, job](int r) {
            if (r != kLinkOk) {
                ShowMessage("Ошибка чтения " + job->error + "\nВ прибор ничего не записано.", "",
                            PromptIcon::Error);
                return;
            }
            if (job->differences.empty() && job->checked.unread.empty()) {
                ShowMessage("Настройки прибора совпадают с файлом: записывать нечего.", "",
                            PromptIcon::Information);
                return;
            }
            Confirm(job);
        });
}

void ConfigurationLoad::Confirm(const std::shared_ptr<Job>& job) {
    std::vector<std::string> notes;
    for (const ConfigurationDifference& d : job->differences)
        if (EqualsNoCase(d.parameter->name, kModificationName))
            notes.push_back("Модификация прибора сменится с " + d.parameter->value + " на " +
                            d.wanted +
                            ": все настройки прибора будут сброшены, затем записаны значения "
                            "из файла.");
    if (!job->checked.unread.empty())
        notes.push_back("Не загружаются (не были прочитаны, когда файл сохраняли):" +
                        Joined(job->checked.unread));
    if (job->linkLeftOut)
        notes.push_back(kLinkNote);
    auto* dialog = new ConfigurationDifferencesDialog(page.Sheet(), job->path,
                                                      DifferenceRows(job->differences), notes);
    QObject::connect(dialog, &QDialog::accepted, &page, [this, job] { Write(job); });
    dialog->open();
}

void ConfigurationLoad::Write(const std::shared_ptr<Job>& job) {
    DeviceServices& device = *page.Services();
    const ModificationChange::Timing timing = changeTiming;
    page.Sheet()->RunProcedure(
        &page,
        [&device, job, timing] {
            DeviceLink& link = device.Link();
            ConfigurationRestore restore(device.Operations(), link, device.Progress(),
                                         link.Port().exit_event());
            restore.SetChangeTiming(timing);
            restore.SetProgress(StatusLinePass(device.Status(), "Чтение настроек прибора..."),
                                StatusLinePass(device.Status(), "Запись настроек в прибор..."));
            // The modification after its question, never the link.
            const int r = restore.Apply(job->checked, job->differences, {true, false},
                                        job->report, job->error);
            device.Status().ShowStatus(false, "");
            job->modification = ReadModification(device.Operations(), link);
            Parameter* count = link.Table().FindParameter(kCountName, 0);
            if (count && device.Operations().ReadParameter(count) == kLinkOk)
                job->channels = std::atoi(count->value.c_str());
            return r;
        },
        [this, job](int r) { Finish(*job, r); });
}

// The wizard follows the controller: its modification and count as they are now.
void ConfigurationLoad::Finish(const Job& job, int result) {
    WizardState& state = page.Services()->State();
    if (IsKnownModification(job.modification)) {
        showModification(job.modification);
        state.Modification = job.modification;
        if (job.channels > 0)
            state.StartChannelWalk(job.channels);
    }
    const RestoreReport& report = job.report;
    const std::string counts = "изменено значений: " + std::to_string(report.changed);
    if (result != 0 && result != 1) {
        ShowMessage("Ошибка чтения " + job.error + "\nДо ошибки " + counts + "." +
                        Joined(report.notTaken),
                    "", PromptIcon::Error);
        return;
    }
    const std::string text =
        (report.notTaken.empty()
             ? "Конфигурация загружена в прибор: " + counts + "."
             : "Конфигурация загружена не полностью: " + counts +
                   ", не изменено: " + std::to_string(report.refused) + "." +
                   Joined(report.notTaken)) +
        "\n\nПродолжить настройку прибора с выбора количества каналов?\n(\"Нет\" - перейти к "
        "завершению настройки)";
    const bool goOn = ShowMessage(text, "Загрузка конфигурации",
                                  report.notTaken.empty() ? PromptIcon::Question
                                                          : PromptIcon::Warning,
                                  PromptButtons::YesNo) == PromptAnswer::Yes;
    page.Sheet()->ShowPageById(goOn ? ChannelCountPage::kDialogId : FinishPage::kDialogId);
}
