#pragma once
// Which of the coming events (reports, transfers) a fault hits: "skip n, then
// fault m". Several plans add up. Not thread safe; owners lock around it.

#include <cstddef>
#include <vector>

namespace sim {

class FaultPlan {
public:
    // Faults `count` events after letting `skip` events pass.
    void add(int count, int skip = 0) {
        const std::size_t end = std::size_t(skip) + std::size_t(count);
        if (events_.size() < end)
            events_.resize(end, false);
        for (int i = skip; i < skip + count; ++i)
            events_[std::size_t(i)] = true;
    }
    // Consumes one event; true when it is to be faulted.
    bool next() {
        if (events_.empty())
            return false;
        const bool fault = events_.front();
        events_.erase(events_.begin());
        return fault;
    }
    bool empty() const { return events_.empty(); }

private:
    std::vector<bool> events_;  // upcoming events, front first
};

}  // namespace sim
