#include "pages/ChannelPageId.h"

#include "pages/ChannelFunctionsPage.h"
#include "pages/GateValveChannelPage.h"
#include "pages/ParameterListPage.h"

int ChannelPageId(const ModificationTraits& traits) {
    switch (traits.channelPage) {
    case ChannelPage::GateValve:
        return GateValveChannelPage::kDialogId;
    case ChannelPage::Functions:
        return ChannelFunctionsPage::kDialogId;
    case ChannelPage::None:
        break;
    }
    return ParameterListPage::kDialogId;
}
