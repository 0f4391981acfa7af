#include "pages/PortSelectionPage.h"

#include "controls/CmyComboBox.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/LinkSettingsChange.h"
#include "device/TransferStatus.h"
#include "link/PortNames.h"
#include "pages/ConnectionCheckPage.h"
#include "shell/DeviceServices.h"
#include "shell/DialogUnits.h"
#include "shell/WizardSheet.h"
#include "util/Prompter.h"

#include <QLabel>
#include <QPushButton>

#include <array>

namespace {

// What the controller takes as its new link settings, in the order it takes them.
constexpr std::array<const char*, 5> kWrittenSettings = {kBaudName, kByteSizeName, kParityName,
                                                          kStopBitsName, kAddressName};
constexpr int kApplyProgressStep = 16;
constexpr int kNoLink = 1;
constexpr int kRefused = 2;

// The settings go first, "APLY" makes them take effect; a refused setting
// stops it, so the controller never switches to settings it did not take.
int WriteLinkSettings(DeviceServices& device) {
    NetRS485prg& settings = device.Link().Settings();
    Parameter apply("APLY");
    apply.value.clear();
    apply.caption = "применение настроек";
    std::vector<Parameter*> writes;
    for (const char* name : kWrittenSettings)
        writes.push_back(settings.FindByName(name));
    writes.push_back(&apply);
    for (Parameter* p : writes) {
        device.Status().AdvanceProgress(kApplyProgressStep);
        if (device.Operations().WriteChannelParameter(p) != kLinkOk) {
            ShowMessage("Прибор не принял параметр \"" + p->name + "\" (" + p->caption +
                            "): " + p->message +
                            "\n\nНастройки связи в приборе не применены. Устраните причину и "
                            "нажмите \"Вперед\" снова.",
                        "Применение настроек", PromptIcon::Warning);
            return kRefused;
        }
    }
    return kLinkOk;
}

// A port the settings name but the system does not list, e.g. COM1 or a link.
QString LabelOf(const std::string& name) {
    const std::string path = PortNames::device_path(name);
    return QString::fromStdString(path == name ? name : name + " (" + path + ")");
}

} // namespace

PortSelectionPage::PortSelectionPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool PortSelectionPage::OnInitDialog() {
    AddPicture(182);
    AddText(kTextId, QRect(118, 8, 194, 100),
            "В программе установлены стандартные значения параметров связи прибора с "
            "компьютером. Теперь проверьте правильность выбора последовательного порта, и "
            "нажмите Альт-Выход-Ввод на лицевой панели прибора для установки стандартных "
            "значений параметров в приборе. После этого нажмите кнопку \"Вперед\".");
    QLabel* caption = AddText(0, QRect(118, 118, 194, 10), "Выбор последовательного порта:");
    auto* ports = new CmyComboBox(this, false);
    portList = ports;
    portList->setObjectName(QString::number(kPortListId));
    portList->setGeometry(DialogUnits::Rect(118, 130, 194, 14));
    caption->setBuddy(portList);
    connect(ports, &CmyComboBox::Chosen, this, &PortSelectionPage::OnPortChosen);
    return true;
}

// Back stays disabled here; only its label tells that leaving cancels.
void PortSelectionPage::OnPageShown() {
    Sheet()->BackButton()->setText("&Отмена");
    FillPortList();
    portList->setFocus();
}

// Filled afresh on every showing: adapters come and go while the wizard runs.
void PortSelectionPage::FillPortList() {
    const std::string current = Services()->Link().Settings().GetValueByName(kPortName);
    const std::string currentPath = PortNames::device_path(current);
    portList->clear();
    int selected = -1;
    for (const PortChoice& port : enumerator.choices()) {
        if (port.name == current || port.name == currentPath)
            selected = portList->count();
        portList->addItem(QString::fromStdString(port.label), QString::fromStdString(port.name));
    }
    if (selected < 0 && !current.empty()) {
        selected = portList->count();
        portList->addItem(LabelOf(current), QString::fromStdString(current));
    }
    portList->setCurrentIndex(selected);
}

void PortSelectionPage::OnPortChosen(int index) {
    DeviceLink& link = Services()->Link();
    link.Settings().SetValueByName(kPortName, portList->itemData(index).toString().toStdString());
    link.State().SettingsChanged = true;
}

// Reopens a newly chosen port, checks the controller is there, then gives it
// the standard link settings.
int PortSelectionPage::GetNextPageId() {
    DeviceServices& device = *Services();
    Sheet()->RunProcedure(
        this,
        [&device] {
            if (device.Link().State().SettingsChanged)
                device.Link().open_port();
            if (!device.Operations().CheckDevice()) {
                ShowMessage("Связь прибора с компьютером установить не удаётся. Это может быть "
                            "вызвано следующими причинами:\n1) Неправильным соединением прибора "
                            "и компьютера.\n2) Занятостью выбранного порта другими программами.\n"
                            "3) Ошибочным заданием порта.\n4) Сбоем или неработоспособностью "
                            "оборудования.\n\nУстраните ошибку и попробуйте снова.",
                            "Нет связи", PromptIcon::Warning);
                return kNoLink;
            }
            device.Status().ShowStatus(true, "Применение настроек...");
            int result = WriteLinkSettings(device);
            device.Status().ShowStatus(false, "");
            std::vector<std::string> report;
            if (result == kLinkOk &&
                !LinkSettingsChange(device.Link(), device.Operations()).Confirm(report)) {
                std::string text;
                for (const std::string& line : report)
                    text += (text.empty() ? "" : "\n\n") + line;
                ShowMessage(text, "Применение настроек", PromptIcon::Warning);
                result = kNoLink;
            }
            if (result == kLinkOk)
                device.Link().State().SettingsChanged = false;
            return result;
        },
        [this](int result) {
            if (result != kLinkOk)
                return;
            Sheet()->EnableNext(true);
            Sheet()->ShowPageById(ConnectionCheckPage::kDialogId);
        });
    return -1;
}
