#include "platform/HttpFetch_win.h"

#include "platform/SystemLibrary_win.h"
#include "platform/WideText_win.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <utility>
#include <wininet.h>

namespace traxo {
namespace {

template <class Function> Function WinInetFunction(const char* name) {
    return SystemFunction<Function>(L"wininet.dll", name);
}

// WinINet from the system folder, resolved once; the declarations only lend their types.
struct WinInetFunctions {
    decltype(&InternetOpenW) open = WinInetFunction<decltype(open)>("InternetOpenW");
    decltype(&InternetCloseHandle) close = WinInetFunction<decltype(close)>("InternetCloseHandle");
    decltype(&InternetSetOptionW) setOption =
        WinInetFunction<decltype(setOption)>("InternetSetOptionW");
    decltype(&InternetCrackUrlW) crackUrl =
        WinInetFunction<decltype(crackUrl)>("InternetCrackUrlW");
    decltype(&InternetConnectW) connect = WinInetFunction<decltype(connect)>("InternetConnectW");
    decltype(&HttpOpenRequestW) openRequest =
        WinInetFunction<decltype(openRequest)>("HttpOpenRequestW");
    decltype(&HttpSendRequestW) sendRequest =
        WinInetFunction<decltype(sendRequest)>("HttpSendRequestW");
    decltype(&HttpQueryInfoW) queryInfo = WinInetFunction<decltype(queryInfo)>("HttpQueryInfoW");
    decltype(&InternetQueryDataAvailable) dataAvailable =
        WinInetFunction<decltype(dataAvailable)>("InternetQueryDataAvailable");
    decltype(&InternetReadFile) readFile = WinInetFunction<decltype(readFile)>("InternetReadFile");

    bool Complete() const {
        return open && close && setOption && crackUrl && connect && openRequest && sendRequest &&
               queryInfo && dataAvailable && readFile;
    }
};

const WinInetFunctions& WinInet() {
    static const WinInetFunctions functions;
    return functions;
}

class InternetHandle {
public:
    explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
    ~InternetHandle() {
        if (handle_ != nullptr) {
            WinInet().close(handle_);
        }
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    InternetHandle& operator=(InternetHandle&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }

    HINTERNET get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HINTERNET handle_;
};

// Bytes asked for per read.
constexpr DWORD kChunkBytes = 2049;

void SetTimeouts(HINTERNET session, std::chrono::milliseconds timeout) {
    DWORD value = static_cast<DWORD>(timeout.count());
    for (const DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                               INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_DATA_SEND_TIMEOUT,
                               INTERNET_OPTION_DATA_RECEIVE_TIMEOUT}) {
        WinInet().setOption(session, option, &value, sizeof(value));
    }
}

// 200 is the description; anything else (a missing file, a server error page) is not.
bool AnsweredOk(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!WinInet().queryInfo(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                             &size, nullptr)) {
        return false;
    }
    return status == HTTP_STATUS_OK;
}

// The request for an http or https address, with the time limits set on it before anything
// is sent (set on the session only, they do not reach every implementation's request). Null
// when the address is no http or https address (nothing else is fetched: no file, no other
// service) or the server cannot be reached.
HINTERNET OpenHttpRequest(HINTERNET session, const std::wstring& url,
                          std::chrono::milliseconds timeout, InternetHandle& connection) {
    wchar_t host[256] = L"";
    wchar_t path[2048] = L"";
    URL_COMPONENTSW parts{};
    parts.dwStructSize = sizeof(parts);
    parts.lpszHostName = host;
    parts.dwHostNameLength = static_cast<DWORD>(std::size(host));
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = static_cast<DWORD>(std::size(path));
    parts.dwExtraInfoLength = 1;
    if (!WinInet().crackUrl(url.c_str(), 0, 0, &parts) || host[0] == L'\0' ||
        (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)) {
        return nullptr;
    }
    std::wstring object = path[0] == L'\0' ? L"/" : path;
    if (parts.lpszExtraInfo != nullptr) {
        object.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    }
    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    connection = InternetHandle(WinInet().connect(session, host, parts.nPort, nullptr, nullptr,
                                                  INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) {
        return nullptr;
    }
    SetTimeouts(connection.get(), timeout);
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI;
    if (secure) {
        flags |= INTERNET_FLAG_SECURE;
    }
    HINTERNET request = WinInet().openRequest(connection.get(), L"GET", object.c_str(), nullptr,
                                              nullptr, nullptr, flags, 0);
    if (request == nullptr) {
        return nullptr;
    }
    SetTimeouts(request, timeout);
    // The reload flag passes the local cache; these ask proxies on the way to do the same.
    static constexpr wchar_t kNoCache[] = L"Cache-Control: no-cache\r\nPragma: no-cache\r\n";
    if (!WinInet().sendRequest(request, kNoCache, static_cast<DWORD>(-1), nullptr, 0)) {
        WinInet().close(request);
        return nullptr;
    }
    return request;
}

} // namespace

HttpFetchResult WinInetFetch::Get(std::u16string_view address) {
    const auto deadline = std::chrono::steady_clock::now() + options_.deadline;
    if (!WinInet().Complete()) {
        return {HttpFetchStatus::NoSession, {}};
    }
    const InternetHandle session(
        WinInet().open(L"Traxo", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        return {HttpFetchStatus::NoSession, {}};
    }
    SetTimeouts(session.get(), std::min(options_.timeout, options_.deadline));
    const std::wstring url = WideText(address);
    InternetHandle connection(nullptr);
    const InternetHandle request(OpenHttpRequest(
        session.get(), url, std::min(options_.timeout, options_.deadline), connection));
    if (!request) {
        return {HttpFetchStatus::OpenFailed, {}};
    }
    if (!AnsweredOk(request.get())) {
        return {HttpFetchStatus::BadStatus, {}};
    }
    std::string body;
    char chunk[kChunkBytes];
    for (;;) {
        const auto wait =
            NextWaitLimit(std::chrono::steady_clock::now(), deadline, options_.timeout);
        if (wait == std::chrono::milliseconds::zero()) {
            return {HttpFetchStatus::ReadFailed, {}};
        }
        SetTimeouts(request.get(), wait);
        // Only what has arrived: a read of a whole chunk could wait for a trickling server to
        // fill it, each byte within the time-out, long past the deadline.
        DWORD available = 0;
        if (!WinInet().dataAvailable(request.get(), &available, 0, 0)) {
            return {HttpFetchStatus::ReadFailed, {}};
        }
        DWORD read = 0;
        if (!WinInet().readFile(request.get(), chunk, std::clamp<DWORD>(available, 1, kChunkBytes),
                                &read)) {
            return {HttpFetchStatus::ReadFailed, {}};
        }
        if (read == 0) {
            break;
        }
        if (body.size() + read > options_.maxBytes) {
            return {HttpFetchStatus::TooLarge, {}};
        }
        body.append(chunk, read);
    }
    return {HttpFetchStatus::Ok, std::move(body)};
}

} // namespace traxo
