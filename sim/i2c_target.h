#pragma once
// A chip on the simulated controller's I2C bus.

#include <cstdint>
#include <vector>

namespace sim {

class I2cTarget {
public:
    virtual ~I2cTarget() = default;
    virtual uint8_t address7() const = 0;
    // A write transfer after the address byte. Returns how many bytes the chip
    // acknowledged (all of them unless a fault is injected).
    virtual int write(uint64_t nowUs, const std::vector<uint8_t>& bytes) = 0;
    // A read transfer of `count` bytes.
    virtual std::vector<uint8_t> read(uint64_t nowUs, int count) = 0;
};

}  // namespace sim
