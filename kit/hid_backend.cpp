#include "kit/hid_backend.h"

#include "kit/report_size.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <set>

namespace kit {
namespace {

// The interfaces of one device found by one enumeration.
struct DeviceGroup {
    std::string key;
    uint16_t productId = 0;
    std::wstring serialNumber;
    std::map<int, std::string> pathsByPipe;
};

std::string hex4(uint16_t value) {
    char text[5];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

std::string deviceKey(const HidInterfaceInfo& info) {
    // The serial number only separates devices; a lossy narrowing is enough.
    std::string serial;
    std::transform(info.serialNumber.begin(), info.serialNumber.end(), std::back_inserter(serial),
                   [](wchar_t c) { return c >= 0x20 && c < 0x7F ? char(c) : '?'; });
    return "hid:" + hex4(info.vendorId) + ":" + hex4(info.productId) + ":" + serial + ":" + info.usbDevice;
}

}  // namespace

std::optional<uint16_t> parseVendorId(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    const auto value = uint16_t(std::strtoul(std::string(text).c_str(), nullptr, 16));
    return value ? std::optional<uint16_t>(value) : std::nullopt;
}

uint16_t vendorIdFromEnvironment() {
    const char* text = std::getenv("PELLIXKIT_VENDOR_ID");
    if (!text || !*text)
        return kDefaultPellixVendorId;
    if (auto vendorId = parseVendorId(text))
        return *vendorId;
    std::fprintf(stderr, "pellixkit: PELLIXKIT_VENDOR_ID=\"%s\" is not a vendor id; using 0x%04x\n", text,
                 kDefaultPellixVendorId);
    return kDefaultPellixVendorId;
}

HidBackend::HidBackend(std::shared_ptr<HidApi> api, uint16_t vendorId) : api_(std::move(api)), vendorId_(vendorId) {}

std::vector<std::shared_ptr<Device>> HidBackend::enumerate() {
    std::vector<DeviceGroup> groups;
    for (const HidInterfaceInfo& info : api_->enumerate(vendorId_)) {
        // Interface 0 is no pipe; a device without a pipe is not listed.
        if (info.vendorId != vendorId_ || pellixReportSize(info.productId) == 0 || info.interfaceNumber < 1)
            continue;
        const std::string key = deviceKey(info);
        auto group = std::find_if(groups.begin(), groups.end(), [&](const DeviceGroup& g) { return g.key == key; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {key, info.productId, info.serialNumber, {}});
        // hidapi may list an interface once per top-level usage; the first path counts.
        group->pathsByPipe.emplace(info.interfaceNumber, info.path);
    }

    std::lock_guard guard(lock_);
    std::vector<std::shared_ptr<Device>> listed;
    std::set<std::string> present;
    for (DeviceGroup& group : groups) {
        std::shared_ptr<HidDevice>& device = devices_[group.key];
        if (!device || device->isClosed())
            device = std::make_shared<HidDevice>(api_, group.key, group.productId, group.serialNumber);
        device->attach(group.pathsByPipe);
        listed.push_back(device);
        present.insert(group.key);
    }
    for (auto& [key, device] : devices_)
        if (!present.count(key))
            device->detach();
    return listed;
}

std::shared_ptr<Backend> makeHidBackend() {
    return std::make_shared<HidBackend>(makeHidrawApi(), vendorIdFromEnvironment());
}

}  // namespace kit
