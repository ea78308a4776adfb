#pragma once
// A scripted HidApi: the interfaces "attached", what each read returns, what
// each write reports, and a record of every byte written and every open and
// close.

#include "kit/hid_api.h"

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

class FakeHidApi final : public kit::HidApi {
public:
    // What one hid_read_timeout does: result -1 (gone), 0 (time-out) or the
    // number of `bytes` handed over.
    struct ReadResult {
        int result;
        std::vector<uint8_t> bytes;
    };

    // Per interface path.
    struct Node {
        std::vector<std::vector<uint8_t>> written;
        std::deque<ReadResult> reads;  // when empty, reads time out
        std::vector<int> readTimeoutsMs;
        int writeResult = -2;  // -2: everything written; else what hid_write returns
        bool openFails = false;
        int openAttempts = 0;
        int opens = 0;
        int closes = 0;
    };

    std::vector<kit::HidInterfaceInfo> attached;
    std::vector<uint16_t> requestedVendorIds;

    Node& node(const std::string& path) { return nodes_[path]; }
    int openConnections() const {
        int open = 0;
        for (const auto& [path, n] : nodes_)
            open += n.opens - n.closes;
        return open;
    }

    std::vector<kit::HidInterfaceInfo> enumerate(uint16_t vendorId) override {
        requestedVendorIds.push_back(vendorId);
        return attached;  // unfiltered, so that the backend's own filter is what the tests see
    }

    std::unique_ptr<kit::HidConnection> open(const std::string& path) override {
        Node& n = nodes_[path];
        ++n.openAttempts;
        if (n.openFails)
            return nullptr;
        ++n.opens;
        return std::make_unique<Connection>(n);
    }

private:
    class Connection final : public kit::HidConnection {
    public:
        explicit Connection(Node& node) : node_(node) {}
        ~Connection() override { ++node_.closes; }

        int write(const uint8_t* data, size_t length) override {
            node_.written.emplace_back(data, data + length);
            return node_.writeResult == -2 ? int(length) : node_.writeResult;
        }
        int readTimeout(uint8_t* data, size_t length, int milliseconds) override {
            node_.readTimeoutsMs.push_back(milliseconds);
            if (node_.reads.empty())
                return 0;
            ReadResult next = node_.reads.front();
            node_.reads.pop_front();
            std::copy_n(next.bytes.begin(), std::min(next.bytes.size(), length), data);
            return next.result;
        }

    private:
        Node& node_;
    };

    std::map<std::string, Node> nodes_;  // std::map: references stay valid
};
