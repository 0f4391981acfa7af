#include "pages/FinishPage.h"

#include "config/ConfigurationDump.h"
#include "config/SessionWrites.h"
#include "device/DeviceLink.h"
#include "device/TransferStatus.h"
#include "render/ControllerReport.h"
#include "shell/DeviceServices.h"
#include "shell/StatusLinePass.h"
#include "shell/WizardSheet.h"
#include "util/Prompter.h"
#include "util/ReplaceFile.h"

#include <QLabel>
#include <QPushButton>

#include <memory>

namespace {

constexpr const char* kReadingText = "Чтение настроек прибора...";

} // namespace

FinishPage::FinishPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool FinishPage::OnInitDialog() {
    AddPicture(143);
    AddText(1028, QRect(118, 30, 194, 60),
            "Прибор ZRK640 успешно сконфигурирован. Для создания специальной конфигурации прибора "
            "воспользуйтесь программой \"Конфигуратор ZRK640\", входящей в комплект поставки.")
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    AddText(1029, QRect(118, 110, 194, 16), "Желаем успешной работы!", SmallFont())
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    connect(AddButton(kReportId, QRect(140, 136, 150, 14), "Отчёт..."), &QPushButton::clicked,
            this, &FinishPage::OnReport);
    connect(AddButton(kSaveId, QRect(140, 154, 150, 14), "Сохранить конфигурацию..."),
            &QPushButton::clicked, this, &FinishPage::OnSaveConfiguration);
    return true;
}

void FinishPage::OnPageShown() {
    Sheet()->setWindowTitle("Готово");
    Sheet()->EnableBack(true);
    Sheet()->EnableNext(false); // the last page
    Sheet()->ExitButton()->setText("&Готово");
}

void FinishPage::OnReport() {
    fileChooser->ChooseToSave(this, "Отчёт о настройке прибора",
                        "Отчёт PDF (*.pdf);;Отчёт HTML (*.html)", "pdf",
                        [this](const QString& path) { WriteReportFile(path.toStdString()); });
}

void FinishPage::OnSaveConfiguration() {
    fileChooser->ChooseToSave(this, "Сохранить конфигурацию", "Конфигурация (*.cfg);;Все файлы (*)",
                        "cfg",
                        [this](const QString& path) { WriteConfigurationFile(path.toStdString()); });
}

void FinishPage::WriteReportFile(const std::string& path) {
    DeviceServices& device = *Services();
    auto report = std::make_shared<CommissioningReport>();
    auto error = std::make_shared<std::string>();
    Sheet()->RunProcedure(
        this,
        [&device, report, error, path] {
            const int r = WriteControllerReport(device.Operations(), device.Link().Table(), path,
                                                StatusLinePass(device.Status(), kReadingText),
                                                device.Writes().Writes(), *report, *error);
            device.Status().ShowStatus(false, "");
            return r;
        },
        [report, error](int r) {
            if (r != kReportWritten) {
                ShowMessage(*error, "", PromptIcon::Error);
                return;
            }
            if (!report->unread.empty())
                ShowMessage("Отчёт записан, но не удалось прочитать значения (в отчёте отмечены): " +
                            UnreadNames(*report));
        });
}

void FinishPage::WriteConfigurationFile(const std::string& path) {
    DeviceServices& device = *Services();
    auto dumped = std::make_shared<DumpOutcome>();
    auto error = std::make_shared<std::string>();
    Sheet()->RunProcedure(
        this,
        [&device, dumped, error, path] {
            const int r = DumpConfiguration(device.Operations(), device.Link().Table(), path,
                                            "мастер настройки",
                                            StatusLinePass(device.Status(), kReadingText),
                                            ReplaceFile, *dumped, *error);
            device.Status().ShowStatus(false, "");
            return r;
        },
        [dumped, error](int r) {
            if (r != kLinkOk) {
                ShowMessage(*error, "", PromptIcon::Error);
                return;
            }
            if (dumped->unread.empty())
                return;
            std::string text = "Файл записан, но не все значения прочитаны; в файле они "
                               "отмечены \"" + std::string(kNoData) + "\":";
            for (const std::string& line : dumped->unread)
                text += "\n" + line;
            ShowMessage(text, "", PromptIcon::Warning);
        });
}
