#include "pages/ConnectionCheckPage.h"

#include "config/FindShown.h"
#include "config/WizardState.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/TransferStatus.h"
#include "pages/ConnectionList.h"
#include "pages/PortSelectionPage.h"
#include "pages/WelcomePage.h"
#include "shell/DeviceServices.h"
#include "shell/DialogUnits.h"
#include "shell/WizardSheet.h"
#include "util/Prompter.h"

#include <QPushButton>

#include <array>
#include <cstdio>

namespace {

// The program's link settings in the order the list shows them; the port
// last, the only row without the deferred write.
constexpr std::array<const char*, 7> kRows = {kBaudName,          kByteSizeName, kParityName,
                                              kStopBitsName,      kAddressLengthName,
                                              kAddressName,       kPortName};
constexpr int kCheckReads = 2;
constexpr int kRowHeight = 20;
constexpr int kCheckProgressStep = 9;

int DeviceAnswered(DeviceServices& device, Parameter* name) {
    for (int attempt = 0; attempt < kCheckReads; ++attempt) {
        device.Status().AdvanceProgress(kCheckProgressStep);
        if (name->value == kNoData)
            device.Operations().ReadParameter(name);
    }
    return name->value != kNoData;
}

void ReadIdentity(DeviceServices& device, Parameter* version, Parameter* modification) {
    for (int attempt = 0; attempt < kCheckReads; ++attempt) {
        device.Status().AdvanceProgress(kCheckProgressStep);
        for (Parameter* p : {version, modification})
            if (p != nullptr && p->value == kNoData)
                device.Operations().ReadParameter(p);
    }
}

std::string ValueOf(const Parameter* p) { return p != nullptr ? p->value : kNoData; }

} // namespace

ConnectionCheckPage::ConnectionCheckPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool ConnectionCheckPage::OnInitDialog() {
    DeviceServices& device = *Services();
    deviceName = FindShown(device.Link().Table(), "dev", 0);
    device.State().PageKind = 0;
    AddPicture(182);
    AddText(0, QRect(118, 6, 194, 36),
            "Введите правильные параметры связи по интерфейсу RS-485 и нажмите кнопку "
            "\"Проверить\" для проверки наличия связи с прибором.");
    list = new ConnectionList(device, this);
    list->setObjectName(QString::number(kListId));
    connect(list, &ConnectionList::SettingChanged, this, [this] { Sheet()->EnableNext(false); });
    list->setGeometry(DialogUnits::Rect(118, 44, 194, 122));
    FillList();
    check = AddButton(kCheckId, QRect(118, 172, 60, 14), "Проверить");
    defaults = AddButton(kDefaultsId, QRect(252, 172, 60, 14), "По умолчанию");
    connect(check, &QPushButton::clicked, this, &ConnectionCheckPage::OnCheck);
    connect(defaults, &QPushButton::clicked, this, &ConnectionCheckPage::OnDefaults);
    return true;
}

void ConnectionCheckPage::FillList() {
    NetRS485prg& settings = Services()->Link().Settings();
    list->Setup(2 << 2);
    // The value column is wider than the description needs to give up, so
    // that "Отсутствует" shows whole in this font.
    list->SetColumn(0, "Описание", 130);
    list->SetColumn(1, "Параметр", 60);
    list->SetColumn(2, "Значение", 95);
    list->SetRowHeight(kRowHeight);
    for (int row = 0; row < int(kRows.size()); ++row) {
        Parameter* p = settings.FindByName(kRows[row]);
        const bool port = row + 1 == int(kRows.size());
        list->InsertRow(row, QString::fromStdString(p->DisplayName()),
                        port ? 0 : CmyListCtrl::kRowDeferred);
        list->SetRowParameter(row, p);
        list->SetCellText(row, 1, p->name);
    }
    ShowSettings();
    list->FocusRow(0);
}

// The list shows what the settings hold now: the port page may have changed them.
void ConnectionCheckPage::ShowSettings() {
    list->ShowParityNames();
}

void ConnectionCheckPage::OnPageShown() {
    Sheet()->setWindowTitle("Проверка сети и настройка сетевых параметров");
    Services()->Link().Settings().ListPorts();
    ShowSettings();
    list->FitColumnsToWidth();
    if (deviceName == nullptr || deviceName->value == kNoData)
        Sheet()->EnableNext(false);
    list->setFocus();
}

// The port selection page that may follow keeps this shorter title.
bool ConnectionCheckPage::CanLeavePage() {
    Sheet()->setWindowTitle("Мастер конфигурирования ZRK");
    return true;
}

// A controller of another model can only be left, whichever page found it.
int ConnectionCheckPage::GetNextPageId() {
    list->CloseEditor();
    return WelcomePage::PageForDeviceName(ValueOf(deviceName));
}

void ConnectionCheckPage::OnCheck() {
    list->CloseEditor();
    DeviceServices& device = *Services();
    NetRS485prg& settings = device.Link().Settings();
    for (int row = 0; row < list->rowCount(); ++row)
        settings.SetValueByName(list->CellText(row, 1), list->CellText(row, 2));
    Parameter* name = deviceName;
    Sheet()->RunProcedure(
        this,
        [&device, name] {
            device.Status().ShowStatus(true, "Проверка связи...");
            device.Link().open_port();
            Parameter* modification = FindShown(device.Link().Table(), "mod.v", 0);
            Parameter* version = FindShown(device.Link().Table(), "ver", 0);
            for (Parameter* p : {version, name, modification})
                if (p != nullptr)
                    p->value = kNoData;
            const bool answered = name != nullptr && DeviceAnswered(device, name);
            if (answered) {
                ReadIdentity(device, version, modification);
                char text[512];
                std::snprintf(text, sizeof text,
                              "Связь с прибором установлена.\n\nПрибор: %s.\nВерсия прошивки: "
                              "%s.\nМодификация: %s.\n\nНажмите \"Вперед\" для продолжения.",
                              name->value.c_str(), ValueOf(version).c_str(),
                              ValueOf(modification).c_str());
                ShowMessage(text, "Сообщение", PromptIcon::Information);
            } else {
                ShowMessage("Связь не установлена, проверьте правильность подключения прибора и "
                            "верность сетевых настроек и повторите попытку.",
                            "Сообщение", PromptIcon::Warning);
            }
            device.Status().ShowStatus(false, "");
            return answered ? kLinkOk : kLinkNoReply;
        },
        [this](int result) {
            Sheet()->EnableNext(result == kLinkOk);
            ShowSettings();
        });
}

// The standard settings, except the address length and the port, which the
// operator chose for this computer.
void ConnectionCheckPage::OnDefaults() {
    list->CloseEditor();
    DeviceServices& device = *Services();
    NetRS485prg& settings = device.Link().Settings();
    settings.SetValueByName(kBaudName, std::to_string(kFactoryBaud));
    settings.SetValueByName(kByteSizeName, std::to_string(kFactoryByteSize));
    settings.SetValueByName(kParityName, kFactoryParityText);
    settings.SetValueByName(kStopBitsName, std::to_string(kFactoryStopBits));
    settings.SetValueByName(kAddressName, std::to_string(kFactoryAddress));
    Sheet()->RunProcedure(
        this, [&device] { return device.Link().open_port(); },
        [this](int) {
            Sheet()->EnableNext(true);
            Sheet()->ShowPageById(PortSelectionPage::kDialogId);
        });
}
