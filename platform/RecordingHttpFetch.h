#pragma once
// The fetch stand-in of tests: answers every request with a set result and remembers the
// addresses asked for.

#include "platform/HttpFetch.h"

#include <mutex>
#include <vector>

namespace traxo {

class RecordingHttpFetch final : public HttpFetch {
public:
    explicit RecordingHttpFetch(HttpFetchResult answer = {}) : answer_(std::move(answer)) {}

    void Answer(HttpFetchResult answer);
    // A successful fetch with this body.
    void AnswerBody(std::string body) { Answer({HttpFetchStatus::Ok, std::move(body)}); }

    HttpFetchResult Get(std::u16string_view address) override;

    std::vector<std::u16string> Requests() const;

private:
    mutable std::mutex mutex_;
    HttpFetchResult answer_;
    std::vector<std::u16string> requests_;
};

} // namespace traxo
