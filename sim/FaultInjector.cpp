#include "sim/FaultInjector.h"

#include <algorithm>

namespace {

constexpr std::uint16_t kForeignMask = 0x0101;
constexpr int kMaxGarbage = 40;

} // namespace

void FaultInjector::Set(const FaultSettings& settings) {
    settings_ = settings;
    requests_ = 0; // counts start again from the switch
}

bool FaultInjector::Roll(int percent) {
    if (percent <= 0)
        return false;
    return std::uniform_int_distribution<int>(0, 99)(random_) < percent;
}

std::string FaultInjector::Garbage() {
    std::uniform_int_distribution<int> length(1, kMaxGarbage), byte(0, 255);
    std::string text(length(random_), '\0');
    for (char& c : text)
        c = static_cast<char>(byte(random_));
    return text + '\r';
}

std::string FaultInjector::Send(RequestHandler::Reply reply) {
    if (Roll(settings_.foreignPercent)) {
        reply.frame.hash ^= kForeignMask;
        if (reply.frame.hash == kErrorReplyHash)
            reply.frame.hash ^= kForeignMask << 1;
    }
    std::string text = reply.Text();
    if (Roll(settings_.corruptPercent)) {
        char& last = text[text.size() - 2]; // low nibble of the checksum
        last = last == 'G' ? 'H' : 'G';
    }
    return text;
}

// Both transmitters drive the line at once: where their characters differ,
// the master reads neither.
std::string FaultInjector::Collision(const std::vector<RequestHandler::Reply>& replies) {
    std::string text = replies.front().Text();
    for (std::size_t i = 1; i < replies.size(); ++i) {
        const std::string other = replies[i].Text();
        text.resize(std::min(text.size(), other.size()));
        for (std::size_t c = 0; c + 1 < text.size(); ++c)
            text[c] = static_cast<char>(text[c] | other[c]);
    }
    text.back() = '\r';
    return text;
}

FaultInjector::Outcome FaultInjector::Apply(const std::vector<RequestHandler::Reply>& replies) {
    ++requests_;
    Outcome out;
    out.delay = std::chrono::milliseconds(settings_.delayMs);
    if (settings_.hangUpAfter >= 0 && requests_ > settings_.hangUpAfter) {
        settings_.hangUpAfter = -1; // once: plugging back in is a separate command
        out.hangUp = true;
        return out;
    }
    const bool silent = settings_.silentAfter >= 0 && requests_ > settings_.silentAfter;
    if (replies.empty() || silent || Roll(settings_.dropPercent))
        return out;
    out.text = Roll(settings_.garbagePercent) ? Garbage()
               : replies.size() > 1           ? Collision(replies)
                                              : Send(replies.front());
    return out;
}
