#pragma once
// The simulator's end of a pseudo-terminal pair. The far end (the slave) is
// the "serial port" the wizard opens; a kept slave descriptor holds the line
// up while the wizard has it closed. An optional symlink gives it a stable
// name across restarts and re-plugging.

#include <string>

class PtyEndpoint {
public:
    PtyEndpoint() = default;
    ~PtyEndpoint() { Close(); }
    PtyEndpoint(const PtyEndpoint&) = delete;
    PtyEndpoint& operator=(const PtyEndpoint&) = delete;

    bool Open(const std::string& linkPath, std::string& error);
    // Closing the master hangs the line up, as a pulled-out adapter does.
    void Close();
    // Removes the symlink when it still names this line.
    void RemoveLink();

    bool IsOpen() const { return master_ >= 0; }
    int Fd() const { return master_; }
    const std::string& SlavePath() const { return slave_; }

private:
    bool PlaceLink(std::string& error);

    int master_ = -1;
    int keeper_ = -1;
    std::string slave_;
    std::string link_;
};
