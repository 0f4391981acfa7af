#include "pages/WelcomePage.h"

#include "config/FindShown.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/TransferStatus.h"
#include "pages/ConnectionCheckPage.h"
#include "pages/ModificationPage.h"
#include "pages/WrongDevicePage.h"
#include "shell/DeviceServices.h"
#include "shell/WizardSheet.h"
#include "util/TextCase.h"

#include <QLabel>

namespace {

constexpr int kNameAttempts = 3;
constexpr const char* kExpectedModel = "ZRK640";

} // namespace

WelcomePage::WelcomePage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool WelcomePage::OnInitDialog() {
    AddPicture(181);
    AddText(1018, QRect(118, 6, 194, 68),
            "Вас приветствует программа  быстрого конфигурирования прибора ZRK640 для всех "
            "модификаций прибора:\nBrisko ZRK640.",
            LargeFont());
    AddText(0, QRect(118, 78, 194, 22),
            "Отвечая на вопросы программы, Вы сможете легко сконфигурировать прибор для работы.");
    AddText(0, QRect(118, 104, 194, 80),
            "Подключите прибор к COM-порту компьютера через адаптер интерфейса RS-232/RS-485 "
            "производителя прибора или аналогичный, включите питание прибора и адаптера и нажмите "
            "кнопку \"Вперед\". Установка связи с прибором может занять несколько секунд.");
    return true;
}

void WelcomePage::OnPageShown() {
    Sheet()->setWindowTitle("Мастер конфигурирования ZRK640");
    Sheet()->EnableNext(true);
    Sheet()->EnableBack(false);
}

int WelcomePage::PageForDeviceName(const std::string& name) {
    return EqualsNoCase(name, kExpectedModel) ? ModificationPage::kDialogId
                                              : WrongDevicePage::kDialogId;
}

// The controller's name decides where the wizard goes; no answer leads to
// the connection check. Exit stays live while the name is read.
int WelcomePage::GetNextPageId() {
    DeviceServices& device = *Services();
    Parameter* name = FindShown(device.Link().Table(), "dev", 0);
    if (name == nullptr)
        return ConnectionCheckPage::kDialogId;
    Sheet()->EnableNext(false);
    name->value = kNoData;
    Sheet()->RunProcedure(
        this,
        [&device, name] {
            device.Status().ShowStatus(true, "Чтение модификации...");
            for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
                device.Status().AdvanceProgress(33);
                if (name->value == kNoData)
                    device.Operations().ReadParameter(name);
            }
            device.Status().ShowStatus(false, "");
            return name->value == kNoData ? kLinkNoReply : kLinkOk;
        },
        [this, name](int result) {
            Sheet()->EnableNext(true);
            Sheet()->ShowPageById(result == kLinkOk ? PageForDeviceName(name->value)
                                                    : ConnectionCheckPage::kDialogId);
        });
    return -1;
}
