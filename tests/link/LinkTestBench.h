#pragma once
// A DeviceLink on a pseudo-terminal with a scripted controller behind it and
// a scripted prompter in front of it.

#include "ControllerPeer.h"
#include "device/DeviceLink.h"
#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;

// Points the settings file into a fresh folder while it lives.
struct TempSettingsPath {
    TempSettingsPath() {
        char pattern[] = "/tmp/zrk-settings-XXXXXX";
        folder = mkdtemp(pattern);
        path = folder + "/VESK/ZRK640.conf";
        const char* old = std::getenv("ZRK640_CONFIG");
        previous = old ? old : "";
        setenv("ZRK640_CONFIG", path.c_str(), 1);
    }
    ~TempSettingsPath() {
        setenv("ZRK640_CONFIG", previous.c_str(), 1);
        fs::remove_all(folder);
    }
    std::string folder, path, previous;
};

class LinkTestBench : public testing::Test {
protected:
    explicit LinkTestBench(int address_length = 8) : peer(address_length) {
        link.Port().settings().port_name = peer.SlavePath();
        // The fastest listed rate keeps every reply time-out short.
        link.Port().settings().baud_rate = 115200;
        link.Port().set_address_length(address_length);
    }

    void SetUp() override { ASSERT_EQ(link.Port().open(), 0); }
    void TearDown() override { EXPECT_EQ(prompter.UnexpectedTexts(), ""); }

    // A controller that knows some values by name; writes are echoed.
    void Serve(std::map<std::string, std::vector<std::uint8_t>> values) {
        peer.SetResponder([values](const Frame& request, int) {
            if (!request.request)
                return ControllerPeer::Reply(request, request.hash, request.data);
            for (const auto& [name, data] : values)
                if (hash_name(name) == request.hash)
                    return ControllerPeer::Reply(request, request.hash, data);
            return ControllerPeer::ErrorReply(request, 0x28);
        });
    }

    // Requests the peer saw for one name.
    int CountRequests(const std::string& name) const {
        int count = 0;
        for (const Frame& f : peer.Requests())
            count += f.hash == hash_name(name);
        return count;
    }

    int Exchange(int request, const std::string& name, std::vector<std::uint8_t> data = {},
                 int offset = 0) {
        const int r = link.exchange_frame(request, hash_name(name), data.data(),
                                          int(data.size()), reply, replyLength, result, offset);
        message = ExchangeText(result);
        return r;
    }

    TempSettingsPath settingsPath; // first: the link stores its settings as it goes
    ScriptedPrompter prompter;
    PrompterGuard guard{prompter};
    ControllerPeer peer;
    DeviceLink link;
    std::uint8_t reply[256] = {};
    std::uint8_t replyLength = 0;
    ExchangeResult result;
    std::string message; // the text of result
};
