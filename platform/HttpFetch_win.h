#pragma once
// The fetch through WinINet: agent "Traxo", the system's proxy settings, always a fresh copy,
// time limits on connecting and answering, and a cap on the body.

#include "platform/HttpFetch.h"

namespace traxo {

class WinInetFetch final : public HttpFetch {
public:
    explicit WinInetFetch(HttpFetchOptions options = {}) : options_(options) {}

    HttpFetchResult Get(std::u16string_view address) override;

private:
    HttpFetchOptions options_;
};

} // namespace traxo
