#pragma once
// The seam behind kit/pellixkit.h: a backend enumerates devices, a device moves
// reports. The kit API keeps one registry of devices (stable handles across
// enumerations) and forwards calls to them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kit {

class Device {
public:
    virtual ~Device() = default;

    // Identifies the device across enumerations (same device -> same key).
    virtual std::string key() const = 0;
    virtual uint16_t productId() const = 0;
    virtual std::wstring serialNumber() const = 0;
    // Report size in bytes, including the report id byte.
    virtual int reportSize() const = 0;
    // Pipes are numbered from 1.
    virtual int pipeCount() const = 0;

    virtual void setTimeout(unsigned milliseconds) = 0;
    // Contract as kit_write / kit_read, with handle, pipe and length already checked.
    virtual int write(int pipe, const uint8_t* buffer, int length) = 0;
    virtual int read(int pipe, uint8_t* buffer, int length) = 0;
    virtual void close() = 0;

    virtual void sleep(unsigned milliseconds) = 0;
    virtual uint64_t clockUs() const = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    // The devices attached now, in a stable order. A device that was returned
    // before is returned as the same object while it stays attached. After a
    // device was closed the registry gives it a new handle when it is listed
    // again; the old handle stays closed.
    virtual std::vector<std::shared_ptr<Device>> enumerate() = 0;
};

// Replaces the backend the kit uses (tests, benchmarks). Handles of the
// previous backend stay valid objects but are closed. Pass nullptr to return
// to the backend chosen from the environment.
void installBackend(std::shared_ptr<Backend> backend);

// The backend the kit uses now, chosen from the environment first when none
// was (kit_open does the same).
std::shared_ptr<Backend> activeBackend();

// The backend chosen from the environment: simulated when
// PELLIXKIT_SIMULATION is set, else HID.
std::shared_ptr<Backend> backendFromEnvironment();

}  // namespace kit
