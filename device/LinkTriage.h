#pragma once
// "Why no answer?": what the line shows when the controller stays silent.
// Asks the controller a few times with the link's settings, names what the
// replies show (an echoing adapter, garbled replies, replies that lose their
// start), and when nothing answers at all, looks for the controller at every
// other setting.

#include <string>
#include <vector>

class DeviceLink;

class LinkTriage {
public:
    explicit LinkTriage(DeviceLink& link) : link(link) {}

    // One finding a line; withScan also tries every other link setting.
    std::vector<std::string> Run(bool withScan);

private:
    DeviceLink& link;
};
