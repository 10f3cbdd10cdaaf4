#include "platform/HttpFetch.h"

#include <algorithm>

namespace traxo {

std::chrono::milliseconds NextWaitLimit(std::chrono::steady_clock::time_point now,
                                        std::chrono::steady_clock::time_point deadline,
                                        std::chrono::milliseconds stepTimeout) {
    if (now >= deadline) {
        return std::chrono::milliseconds::zero();
    }
    // Rounded up, so that a wait is never zero (to the system, no limit at all) before the end.
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
    return std::min(stepTimeout, left);
}

} // namespace traxo
