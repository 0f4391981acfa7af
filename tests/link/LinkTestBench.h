#pragma once
// A DeviceLink on a pseudo-terminal with a scripted controller behind it and
// a scripted prompter in front of it.

#include "PtyPeer.h"
#include "link/DeviceLink.h"
#include "link/PrompterGuard.h"
#include "link/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <map>

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
                return PtyPeer::Reply(request, request.hash, request.data);
            for (const auto& [name, data] : values)
                if (hash_name(name) == request.hash)
                    return PtyPeer::Reply(request, request.hash, data);
            return PtyPeer::ErrorReply(request, 0x28);
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
        return link.exchange_frame(request, hash_name(name), data.data(), int(data.size()),
                                   reply, replyLength, message, offset);
    }

    ScriptedPrompter prompter;
    PrompterGuard guard{prompter};
    PtyPeer peer;
    DeviceLink link;
    std::uint8_t reply[256] = {};
    std::uint8_t replyLength = 0;
    std::string message;
};
