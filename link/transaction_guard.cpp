#include "link/dalikit.h"

#include <map>
#include <memory>

namespace {

// One recursive lock per kit handle, created on first use and kept for the
// run (handles are few and stay valid objects).
std::recursive_mutex& transactionLock(KitHandle handle) {
    static std::mutex mapLock;
    static std::map<KitHandle, std::unique_ptr<std::recursive_mutex>> locks;
    std::lock_guard guard(mapLock);
    auto& slot = locks[handle];
    if (!slot)
        slot = std::make_unique<std::recursive_mutex>();
    return *slot;
}

}  // namespace

TransactionGuard::TransactionGuard(KitHandle handle) : lock_(transactionLock(handle)) {}
