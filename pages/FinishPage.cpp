#include "pages/FinishPage.h"

#include "config/CommissioningReportReader.h"
#include "config/ConfigurationDump.h"
#include "config/SessionWrites.h"
#include "device/DeviceLink.h"
#include "device/TransferStatus.h"
#include "render/ReportFile.h"
#include "shell/DeviceServices.h"
#include "shell/WizardSheet.h"
#include "util/Prompter.h"

#include <QLabel>
#include <QPushButton>

#include <memory>

namespace {

// The report reads the whole configuration: the status line's bar follows it.
std::function<void(int, int)> StatusBar(DeviceServices& device) {
    return [&device](int done, int total) {
        if (done == 1)
            device.Status().ShowStatus(true, "Чтение настроек прибора...");
        const int step = done * 100 / total - (done - 1) * 100 / total;
        if (step > 0)
            device.Status().AdvanceProgress(step);
    };
}

} // namespace

FinishPage::FinishPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool FinishPage::OnInitDialog() {
    AddPicture(143);
    AddText(1028, QRect(118, 30, 194, 60),
            "Прибор ZRK640 успешно сконфигурирован. Для создания специальной конфигурации прибора "
            "воспользуйтесь программой \"Конфигуратор ZRK640\", входящей в комплект поставки.")
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QLabel* wish = AddText(1029, QRect(118, 110, 194, 16), "Желаем успешной работы!");
    wish->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    wish->setFont(SmallFont());
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
    fileChooser->Choose(this, "Отчёт о настройке прибора",
                        "Отчёт PDF (*.pdf);;Отчёт HTML (*.html)", "pdf",
                        [this](const QString& path) { WriteReportFile(path.toStdString()); });
}

void FinishPage::OnSaveConfiguration() {
    fileChooser->Choose(this, "Сохранить конфигурацию", "Конфигурация (*.cfg);;Все файлы (*)",
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
            CommissioningReportReader reader(device.Operations(), device.Link().Table());
            reader.SetProgress(StatusBar(device));
            const int r = reader.Read(*report, *error);
            device.Status().ShowStatus(false, "");
            if (r != kLinkOk) {
                *error = "Ошибка чтения " + *error + "\nОтчёт не записан.";
                return r;
            }
            report->writes = device.Writes().Writes();
            if (WriteReport(*report, path, *error) != 0) {
                *error = "Не удается записать файл " + path + ": " + *error;
                return -1;
            }
            return 0;
        },
        [report, error](int r) {
            if (r != 0) {
                ShowMessage(*error, "", PromptIcon::Error);
                return;
            }
            if (report->unread.empty())
                return;
            std::string names;
            for (const std::string& key : report->unread)
                names += (names.empty() ? "" : ", ") + key;
            ShowMessage("Отчёт записан, но не удалось прочитать значения (в отчёте отмечены): " +
                        names);
        });
}

void FinishPage::WriteConfigurationFile(const std::string& path) {
    DeviceServices& device = *Services();
    auto error = std::make_shared<std::string>();
    Sheet()->RunProcedure(
        this,
        [&device, error, path] {
            int saved = 0;
            device.Status().ShowStatus(true, "Чтение настроек прибора...");
            const int r = DumpConfiguration(device.Operations(), device.Link().Table(), path,
                                            "мастер настройки", saved, *error);
            device.Status().ShowStatus(false, "");
            return r;
        },
        [error](int r) {
            if (r != kLinkOk)
                ShowMessage(*error, "", PromptIcon::Error);
            else if (!error->empty())
                ShowMessage(*error, "", PromptIcon::Warning);
        });
}
