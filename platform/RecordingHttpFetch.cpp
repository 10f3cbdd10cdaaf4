#include "platform/RecordingHttpFetch.h"

namespace traxo {

void RecordingHttpFetch::Answer(HttpFetchResult answer) {
    const std::lock_guard lock(mutex_);
    answer_ = std::move(answer);
}

HttpFetchResult RecordingHttpFetch::Get(std::u16string_view address) {
    const std::lock_guard lock(mutex_);
    requests_.emplace_back(address);
    return answer_;
}

std::vector<std::u16string> RecordingHttpFetch::Requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

} // namespace traxo
