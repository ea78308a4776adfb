#pragma once
// Report size of a Pellix controller by USB product id, shared by the backends.

#include <cstdint>

namespace kit {

// Report size in bytes, report id included; 0 for ids that are not Pellix controllers.
constexpr int pellixReportSize(uint16_t productId) {
    switch (productId) {
        case 0x1500:
        case 0x1501:
        case 0x158A:
            return 8;
        case 0x1503:
            return 64;
        default:
            return 0;
    }
}

}  // namespace kit
