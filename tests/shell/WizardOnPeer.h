#pragma once
// The wizard with its device link moved onto a pseudo-terminal, where a
// scripted controller answers.

#include "ControllerPeer.h"
#include "GuiWait.h"
#include "ScriptedBoxes.h"
#include "config/WizardState.h"
#include "app/WizardMainDialog.h"

#include <gtest/gtest.h>

class WizardOnPeer : public testing::Test {
protected:
    void SetUp() override {
        wizard.show();
        // The device worker inflates the parameter base first.
        ASSERT_TRUE(WaitUntil([this] { return !wizard.IsProcedureRunning(); }));
        MoveLinkTo(115200);
    }

    // A slower rate makes every reply time-out longer.
    void MoveLinkTo(std::uint32_t baudRate) {
        SerialPort& port = wizard.Link().Port();
        port.close();
        port.settings().port_name = peer.SlavePath();
        port.settings().baud_rate = baudRate;
        port.set_address_length(8);
        ASSERT_EQ(port.open(), 0);
    }

    Parameter& P(const char* name, int index) {
        Parameter* p = wizard.Link().FindParameter(name, index);
        EXPECT_NE(p, nullptr) << name << ':' << index;
        return p ? *p : missing;
    }

    // Reads get data {1} unless failing says no; writes are echoed.
    void Answer(std::function<bool(int nth)> failing) {
        peer.SetResponder([failing](const Frame& request, int nth) {
            if (failing(nth))
                return ControllerPeer::ErrorReply(request, 0x28);
            const std::vector<std::uint8_t> data =
                request.request ? std::vector<std::uint8_t>{1} : request.data;
            return ControllerPeer::Reply(request, request.hash, data);
        });
    }

    int Requests(const char* name, bool reads) const {
        int count = 0;
        for (const Frame& f : peer.Requests())
            count += f.hash == hash_name(name) && f.request == reads;
        return count;
    }

    ScriptedBoxes prompter;
    ControllerPeer peer;
    WizardMainDialog wizard;
    Parameter missing{"missing"};
};
