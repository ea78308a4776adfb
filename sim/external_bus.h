#pragma once
// A DALI bus that lives in another process (another bus simulator, a test
// harness), reached through a Unix stream socket. The simulated bridge keeps
// the timing; the other process only decides the replies.
//
// Protocol: ASCII lines ended by "\n" (a "\r" before it is ignored), one
// exchange per forward frame, the bridge speaking first:
//   bridge -> peer   "F AABB"   the forward frame, four upper-case hex digits
//   peer -> bridge   "N"        no reply
//                    "B XX"     a reply byte, two hex digits
//                    "C"        a garbled reply (collision, frame error)
// The bridge connects at the first frame. When the peer cannot be reached,
// closes the connection, answers anything else or takes longer than
// kReplyTimeoutMs, the frame gets no reply, the problem is reported once and
// the bridge connects again at the next frame.

#include "sim/bus_frame.h"

#include <functional>
#include <string>

namespace sim {

class ExternalBus {
public:
    static constexpr int kReplyTimeoutMs = 2000;
    using ErrorSink = std::function<void(const std::string& message)>;

    // Problems go to `errors`; by default one line on standard error.
    explicit ExternalBus(std::string socketPath, ErrorSink errors = {});
    ~ExternalBus();
    ExternalBus(const ExternalBus&) = delete;
    ExternalBus& operator=(const ExternalBus&) = delete;

    // Hands a forward frame to the peer and returns its reply. Not thread
    // safe: the bus serialises the calls.
    BusReply exchange(uint8_t first, uint8_t second);

private:
    bool connectPeer();
    bool sendLine(const std::string& line);
    bool readLine(std::string& line);
    BusReply fail(const std::string& problem);

    const std::string path_;
    const ErrorSink errors_;
    int fd_ = -1;
    std::string received_;
    bool reported_ = false;  // a problem was reported and nothing has worked since
};

}  // namespace sim
