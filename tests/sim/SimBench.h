#pragma once
// The simulator on a thread behind a pseudo-terminal, and the core's
// DeviceLink talking to it as the wizard does.

#include "link/DeviceErrorTexts.h"
#include "device/DeviceLink.h"
#include "util/PrompterGuard.h"
#include "util/ProgramDirectory.h"
#include "util/ScriptedPrompter.h"
#include "sim/SimServer.h"
#include "sim/Simulator.h"

#include <gtest/gtest.h>

#include <memory>

class SimBench : public testing::Test {
public:
    static Simulator::Options Defaults() {
        Simulator::Options o;
        o.basePath = ProgramDirectory() + "parameters_m.zip";
        o.model.changeTime = std::chrono::milliseconds(300);
        return o;
    }

protected:

    void StartSim(Simulator::Options options = Defaults()) {
        std::string error;
        sim = std::make_unique<Simulator>();
        ASSERT_TRUE(sim->Start(options, error)) << error;
        server = std::make_unique<SimServer>(*sim);
        ASSERT_TRUE(server->Start(serverOptions, error)) << error;
        link.Port().settings().port_name = server->SlavePath();
        ASSERT_EQ(link.Port().open(), 0);
        ASSERT_TRUE(base.Load(options.basePath, error)) << error;
    }

    void TearDown() override {
        link.Port().close();
        if (server)
            server->Stop();
        EXPECT_EQ(prompter.UnexpectedTexts(), "");
    }

    // A parameter of the base, as the wizard would hold it.
    Parameter& P(const std::string& name, int index = 0) {
        SimParameter* p = base.Find(name, index);
        EXPECT_NE(p, nullptr) << name << ':' << index;
        return p->param;
    }

    int Read(const std::string& name, int index = 0) {
        return link.exchange_parameter(kRead, P(name, index));
    }
    int Write(const std::string& name, int index, const std::string& value) {
        P(name, index).value = value;
        return link.exchange_parameter(kWrite, P(name, index));
    }
    std::string Value(const std::string& name, int index = 0) {
        EXPECT_EQ(Read(name, index), 0) << P(name, index).message;
        return P(name, index).value;
    }

    static std::string ErrorText(std::uint8_t code) {
        std::string text;
        network_error_text(code, 1, text);
        return text;
    }

    // Raw exchange: the hash of name with the given data bytes.
    int Raw(int request, const std::string& name, std::vector<std::uint8_t> data, int offset = 0) {
        ExchangeResult result;
        const int r = link.exchange_frame(request, hash_name(name), data.data(),
                                          int(data.size()), reply, replyLength, result, offset);
        message = ExchangeText(result);
        return r;
    }

    ScriptedPrompter prompter;
    PrompterGuard guard{prompter};
    SimServer::Options serverOptions;
    std::unique_ptr<Simulator> sim;
    std::unique_ptr<SimServer> server;
    DeviceLink link;
    SimParameterBase base; // the wizard's view: formats and limits
    std::uint8_t reply[256] = {};
    std::uint8_t replyLength = 0;
    std::string message;
};
