// External bus: a test thread listens on a Unix socket in a temporary folder
// and answers the simulated bridge's forward frames with N, B XX or C.

#include "sim/external_bus.h"

#include "kit/kit_backend.h"
#include "kit/sim_backend.h"
#include "link/dalikit.h"
#include "sim/dali_bus.h"
#include "sim/scenario.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace {

constexpr const char* kHangUp = "<hang up>";  // scripted reply: close the connection instead
constexpr const char* kHold = "<hold>";        // scripted reply: answer with the next one after release()

// The process behind the socket: answers each line with the next scripted
// reply and records what it received and how many connections it accepted.
class SocketPeer {
public:
    SocketPeer(const std::string& path, std::deque<std::string> replies) : replies_(std::move(replies)) {
        listener_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        EXPECT_EQ(::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << std::strerror(errno);
        EXPECT_EQ(::listen(listener_, 4), 0);
        thread_ = std::thread([this] { serve(); });
    }
    ~SocketPeer() {
        {
            std::lock_guard guard(lock_);
            stopping_ = true;
            changed_.notify_all();
            if (connection_ >= 0)
                ::shutdown(connection_, SHUT_RDWR);  // wakes recv()
        }
        ::shutdown(listener_, SHUT_RDWR);  // wakes accept()
        thread_.join();
        ::close(listener_);
    }

    // Blocks until `count` lines have come in.
    void waitForLines(size_t count) {
        std::unique_lock guard(lock_);
        changed_.wait(guard, [&] { return received_.size() >= count || stopping_; });
    }
    void release() {
        std::lock_guard guard(lock_);
        released_ = true;
        changed_.notify_all();
    }

    std::vector<std::string> received() {
        std::lock_guard guard(lock_);
        return received_;
    }
    int connections() {
        std::lock_guard guard(lock_);
        return connections_;
    }

private:
    void serve() {
        for (;;) {
            const int connection = ::accept(listener_, nullptr, nullptr);
            if (connection < 0)
                return;
            {
                std::lock_guard guard(lock_);
                if (stopping_) {
                    ::close(connection);
                    return;
                }
                ++connections_;
                connection_ = connection;
            }
            answerLines(connection);
            std::lock_guard guard(lock_);
            connection_ = -1;
            ::close(connection);
        }
    }

    void answerLines(int connection) {
        std::string pending;
        char chunk[64];
        for (ssize_t n; (n = ::recv(connection, chunk, sizeof chunk, 0)) > 0;) {
            pending.append(chunk, size_t(n));
            for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
                std::string reply;
                {
                    std::unique_lock guard(lock_);
                    received_.push_back(pending.substr(0, end));
                    changed_.notify_all();
                    reply = nextReply();
                    if (reply == kHold) {
                        changed_.wait(guard, [&] { return released_ || stopping_; });
                        reply = nextReply();
                    }
                }
                pending.erase(0, end + 1);
                if (reply == kHangUp)
                    return;
                reply += "\n";
                ::send(connection, reply.data(), reply.size(), MSG_NOSIGNAL);
            }
        }
    }

    std::string nextReply() {
        if (replies_.empty())
            return "N";
        std::string reply = replies_.front();
        replies_.pop_front();
        return reply;
    }

    int listener_ = -1;
    int connection_ = -1;  // the connection being answered
    bool stopping_ = false;
    std::thread thread_;
    std::mutex lock_;
    std::condition_variable changed_;
    bool released_ = false;
    std::deque<std::string> replies_;
    std::vector<std::string> received_;
    int connections_ = 0;
};

class ExternalBusTest : public ::testing::Test {
protected:
    std::string socketPath() const { return dir_.filePath("bus.sock").toStdString(); }

    // A bus whose replies come from the socket; problems are collected.
    std::unique_ptr<sim::DaliBus> externalBus() {
        sim::DaliBus::Options options;
        options.externalErrors = [this](const std::string& message) { errors_.push_back(message); };
        return std::make_unique<sim::DaliBus>(sim::BusConfig{true, socketPath(), {}}, 1, options);
    }

    QTemporaryDir dir_;
    std::vector<std::string> errors_;
};

}  // namespace

TEST_F(ExternalBusTest, PeerDecidesTheRepliesAndTheBridgeKeepsTheTiming) {
    SocketPeer peer(socketPath(), {"N", "B 42", "C", "B 4d\r"});
    auto bus = externalBus();
    bus->transmit(0, 0x0B, 0x90);
    EXPECT_EQ(bus->status(28232), 0x04);
    EXPECT_EQ(bus->status(28233), 0x00);
    bus->transmit(100000, 0x0B, 0xA0);
    EXPECT_EQ(bus->status(131999), 0x04);
    EXPECT_EQ(bus->status(132000), 0x09);
    EXPECT_EQ(bus->answer(132000), 0x42);
    bus->transmit(200000, 0xFF, 0xA0);
    EXPECT_EQ(bus->status(232000), 0x10);
    EXPECT_EQ(bus->answer(232000), 0xFF);
    bus->transmit(300000, 0xA9, 0x00);
    EXPECT_EQ(bus->answer(332000), 0x4D);

    EXPECT_EQ(peer.received(), (std::vector<std::string>{"F 0B90", "F 0BA0", "F FFA0", "F A900"}));
    EXPECT_EQ(peer.connections(), 1);
    EXPECT_TRUE(errors_.empty());
    const std::vector<sim::BusFrame> frames = bus->frameLog();
    ASSERT_EQ(frames.size(), 7u);
    EXPECT_EQ(frames[2], (sim::BusFrame{122833, sim::FrameKind::Backward, 0x42, ""}));
    EXPECT_EQ(frames[4].kind, sim::FrameKind::Garbled);
}

TEST_F(ExternalBusTest, LinkQueriesReachThePeerBehindASimulatedInterface) {
    SocketPeer peer(socketPath(), {"B 07"});
    std::string error;
    const auto scenario =
        sim::parseScenario(R"({"interfaces": [{"bus": {"external": ")" + socketPath() + R"("}}]})", "test", error);
    ASSERT_TRUE(scenario) << error;
    kit::installBackend(kit::buildSimulatedBackend(*scenario));
    const BusLink link{kit_open(), 0x40};
    kit_set_timeout(link.handle, 2000);
    dalikit_EnableI2C(link.handle);
    uint8_t answer = 0, status = 0;
    EXPECT_EQ(dalikit_Query(link, 0x0B, 0x90, answer, status), 0);
    kit::installBackend(nullptr);
    EXPECT_EQ(status, 0x09);
    EXPECT_EQ(answer, 0x07);
    EXPECT_EQ(peer.received(), (std::vector<std::string>{"F 0B90"}));
}

TEST_F(ExternalBusTest, MissingPeerMeansNoReplyReportedOnceAndALaterPeerIsFound) {
    auto bus = externalBus();
    bus->transmit(0, 0x0B, 0x90);
    bus->transmit(0, 0x0B, 0x90);
    EXPECT_EQ(bus->status(100000), 0x00);
    EXPECT_EQ(errors_, (std::vector<std::string>{"kelvane: external bus " + socketPath() +
                                                 ": cannot connect: No such file or directory"}));

    SocketPeer peer(socketPath(), {"B 01"});
    bus->transmit(100000, 0x0B, 0x90);
    EXPECT_EQ(bus->status(200000), 0x09);
    EXPECT_EQ(peer.received(), (std::vector<std::string>{"F 0B90"}));
    EXPECT_EQ(errors_.size(), 1u);
}

TEST_F(ExternalBusTest, UnexpectedReplyIsNoReplyAndTheBridgeConnectsAgain) {
    SocketPeer peer(socketPath(), {"B 4", "B 05"});
    auto bus = externalBus();
    bus->transmit(0, 0x0B, 0x90);
    EXPECT_EQ(bus->status(100000), 0x00);
    bus->transmit(100000, 0x0B, 0x90);
    EXPECT_EQ(bus->status(200000), 0x09);
    EXPECT_EQ(bus->answer(200000), 0x05);
    EXPECT_EQ(errors_, (std::vector<std::string>{"kelvane: external bus " + socketPath() +
                                                 ": unexpected reply \"B 4\" to F 0B90 (expected N, B XX or C)"}));
    EXPECT_EQ(peer.connections(), 2);
}

TEST_F(ExternalBusTest, PeerHangingUpIsNoReply) {
    SocketPeer peer(socketPath(), {kHangUp});
    auto bus = externalBus();
    bus->transmit(0, 0x0B, 0x90);
    EXPECT_EQ(bus->status(100000), 0x00);
    EXPECT_EQ(errors_,
              (std::vector<std::string>{"kelvane: external bus " + socketPath() +
                                        ": no reply to F 0B90 (connection closed, or no line within 2000 ms)"}));
}

// While the bridge waits for the peer's reply, the bus answers everyone else
// (the panel's refresh, the bridge's status reads): the wait holds no bus lock.
TEST_F(ExternalBusTest, WaitingForThePeerHoldsNoBusLock) {
    SocketPeer peer(socketPath(), {kHold, "B 07"});
    std::atomic<bool> failed{false};
    sim::DaliBus::Options options;
    options.externalErrors = [&](const std::string&) { failed = true; };
    sim::DaliBus bus(sim::BusConfig{true, socketPath(), {}}, 1, options);
    std::thread sender([&] { bus.transmit(0, 0x0B, 0x90); });
    peer.waitForLines(1);
    EXPECT_TRUE(bus.powered());
    EXPECT_EQ(bus.gearCount(), 0u);
    EXPECT_FALSE(failed) << "the bus lock was held until the peer's wait gave up";
    peer.release();
    sender.join();
    EXPECT_EQ(bus.status(40000), 0x09);
    EXPECT_EQ(bus.answer(40000), 0x07);
}
