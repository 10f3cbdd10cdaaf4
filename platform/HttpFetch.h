#pragma once
// One HTTP GET of a small text, as the update check needs it. The Windows implementation goes
// through WinINet (platform/HttpFetch_win.h); tests use RecordingHttpFetch.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace traxo {

// A reply longer than this is no update description: the fetch fails rather than grow without
// end.
inline constexpr std::size_t kHttpFetchMaxBytes = 64 * 1024;
// A server that does not connect or answer within this time counts as unreachable.
inline constexpr std::chrono::milliseconds kHttpFetchTimeout{15000};
// The whole fetch, from connecting to the last byte, ends by then: a server that trickles its
// reply a byte at a time cannot hold the check for longer.
inline constexpr std::chrono::milliseconds kHttpFetchDeadline{30000};

enum class HttpFetchStatus {
    Ok,
    NoSession,  // the internet handle could not be opened
    OpenFailed, // no connection, no server, a refused address, a time-out before the reply
    BadStatus,  // the server answered with something other than 200
    ReadFailed, // the connection broke or timed out during the body, or the deadline passed
    TooLarge,   // the body passed kHttpFetchMaxBytes
};

struct HttpFetchResult {
    HttpFetchStatus status = HttpFetchStatus::OpenFailed;
    std::string body; // the bytes as received; empty unless status is Ok

    bool Succeeded() const { return status == HttpFetchStatus::Ok; }
};

struct HttpFetchOptions {
    std::chrono::milliseconds timeout = kHttpFetchTimeout; // connect, send and receive each
    std::size_t maxBytes = kHttpFetchMaxBytes;
    std::chrono::milliseconds deadline = kHttpFetchDeadline; // the whole fetch
};

// How long the next wait of a fetch may last: its own time-out, cut to what is left before the
// fetch's deadline. Zero once the deadline has passed: the fetch then gives up.
std::chrono::milliseconds NextWaitLimit(std::chrono::steady_clock::time_point now,
                                        std::chrono::steady_clock::time_point deadline,
                                        std::chrono::milliseconds stepTimeout);

class HttpFetch {
public:
    virtual ~HttpFetch() = default;

    // Fetches the address afresh (never from a cache). May block for the time-outs; may be
    // called on a worker thread.
    virtual HttpFetchResult Get(std::u16string_view address) = 0;
};

} // namespace traxo
