#pragma once
// Helpers shared by the link-layer tests: a simulated interface with report
// logging, and short names for the reports it saw.

#include "link/dalikit.h"
#include "tests/support/sim_fixture.h"

#include <gtest/gtest.h>

#include <vector>

using Bytes = std::vector<uint8_t>;

// A report of `size` bytes starting with `head`, zero-filled.
inline Bytes report(std::initializer_list<uint8_t> head, size_t size = 8) {
    Bytes bytes(head);
    bytes.resize(size, 0);
    return bytes;
}

class LinkTest : public ::testing::Test {
protected:
    explicit LinkTest(const SimInterfaceOptions& options = {}) : sim_(options) {
        link_ = {sim_.handle(), 0x40};
        kit_set_timeout(link_.handle, 2000);
        dalikit_EnableI2C(link_.handle);
        sim_.controller().setReportLogging(true);
    }

    // The bytes of every report written since the last call.
    std::vector<Bytes> writtenReports() {
        std::vector<Bytes> written;
        for (auto& r : sim_.controller().takeReportLog())
            if (r.written)
                written.push_back(r.bytes);
        return written;
    }

    // Forward frames the bus saw, as 16-bit values.
    std::vector<uint16_t> frames() {
        std::vector<uint16_t> out;
        for (auto& f : sim_.bus().frames())
            out.push_back(uint16_t(f.first << 8 | f.second));
        return out;
    }

    SimInterface sim_;
    BusLink link_;
};
