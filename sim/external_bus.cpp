#include "sim/external_bus.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>

namespace sim {
namespace {

void writeToStandardError(const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); }

std::optional<uint8_t> parseHexByte(const std::string& text) {
    if (text.size() != 2 || !std::isxdigit(static_cast<unsigned char>(text[0])) ||
        !std::isxdigit(static_cast<unsigned char>(text[1])))
        return std::nullopt;
    return static_cast<uint8_t>(std::stoul(text, nullptr, 16));
}

}  // namespace

ExternalBus::ExternalBus(std::string socketPath, ErrorSink errors)
    : path_(std::move(socketPath)), errors_(errors ? std::move(errors) : ErrorSink(writeToStandardError)) {}

ExternalBus::~ExternalBus() {
    if (fd_ >= 0)
        ::close(fd_);
}

BusReply ExternalBus::exchange(uint8_t first, uint8_t second) {
    if (fd_ < 0 && !connectPeer())
        return fail(std::string("cannot connect: ") + std::strerror(errno));
    char frame[16];
    std::snprintf(frame, sizeof frame, "F %02X%02X\n", first, second);
    if (!sendLine(frame))
        return fail(std::string("cannot send: ") + std::strerror(errno));
    std::string line;
    if (!readLine(line))
        return fail("no reply to " + std::string(frame, 6) + " (connection closed, or no line within " +
                    std::to_string(kReplyTimeoutMs) + " ms)");
    BusReply reply;
    if (line == "N") {
        reply = BusReply::none();
    } else if (line == "C") {
        reply = BusReply::garbled();
    } else if (auto byte = line.size() == 4 && line.starts_with("B ") ? parseHexByte(line.substr(2)) : std::nullopt) {
        reply = BusReply::answer(*byte);
    } else {
        return fail("unexpected reply \"" + line + "\" to " + std::string(frame, 6) + " (expected N, B XX or C)");
    }
    reported_ = false;
    return reply;
}

bool ExternalBus::connectPeer() {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path_.size() >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address.sun_path, path_.c_str(), path_.size() + 1);
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0)
        return false;
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        errno = error;
        return false;
    }
    received_.clear();
    return true;
}

bool ExternalBus::sendLine(const std::string& line) {
    size_t sent = 0;
    while (sent < line.size()) {
        // MSG_NOSIGNAL: a peer that went away must not kill this process with SIGPIPE.
        const ssize_t n = ::send(fd_, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += size_t(n);
    }
    return true;
}

bool ExternalBus::readLine(std::string& line) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kReplyTimeoutMs);
    for (;;) {
        if (const size_t end = received_.find('\n'); end != std::string::npos) {
            line = received_.substr(0, end);
            received_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd wait{fd_, POLLIN, 0};
        const int ready = left > 0 ? ::poll(&wait, 1, int(left)) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        char chunk[256];
        const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        received_.append(chunk, size_t(n));
    }
}

BusReply ExternalBus::fail(const std::string& problem) {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!reported_)
        errors_("kelvane: external bus " + path_ + ": " + problem);
    reported_ = true;
    return BusReply::none();
}

}  // namespace sim
