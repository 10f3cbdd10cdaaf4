#include "platform/HttpFetch_win.h"

#include "platform/SystemLibrary_win.h"
#include "platform/WideText_win.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <iterator>
#include <utility>

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
    decltype(&InternetCrackUrlW) crackUrl = WinInetFunction<decltype(crackUrl)>("InternetCrackUrlW");
    decltype(&InternetConnectW) connect = WinInetFunction<decltype(connect)>("InternetConnectW");
    decltype(&HttpOpenRequestW) openRequest =
        WinInetFunction<decltype(openRequest)>("HttpOpenRequestW");
    decltype(&HttpSendRequestW) sendRequest =
        WinInetFunction<decltype(sendRequest)>("HttpSendRequestW");
    decltype(&HttpQueryInfoW) queryInfo = WinInetFunction<decltype(queryInfo)>("HttpQueryInfoW");
    decltype(&InternetOpenUrlW) openUrl = WinInetFunction<decltype(openUrl)>("InternetOpenUrlW");
    decltype(&InternetReadFile) readFile = WinInetFunction<decltype(readFile)>("InternetReadFile");

    bool Complete() const {
        return open && close && setOption && crackUrl && connect && openRequest && sendRequest &&
               queryInfo && openUrl && readFile;
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

bool IsHttpAddress(std::u16string_view address) {
    return CompareStringOrdinal(reinterpret_cast<const wchar_t*>(address.data()),
                                static_cast<int>(std::min<std::size_t>(address.size(), 4)),
                                L"http", 4, TRUE) == CSTR_EQUAL;
}

// 200 is the description; anything else (a missing file, a server error page) is not.
bool AnsweredOk(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!WinInet().queryInfo(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                        nullptr)) {
        return false;
    }
    return status == HTTP_STATUS_OK;
}

// The request for an http or https address, with the time limits set on it before anything
// is sent (set on the session only, they do not reach every implementation's request). Null
// when the address is no such address or the server cannot be reached.
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
    if (!WinInet().crackUrl(url.c_str(), 0, 0, &parts) || host[0] == L'\0') {
        return nullptr;
    }
    std::wstring object = path[0] == L'\0' ? L"/" : path;
    if (parts.lpszExtraInfo != nullptr) {
        object.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    }
    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    connection = InternetHandle(
        WinInet().connect(session, host, parts.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) {
        return nullptr;
    }
    SetTimeouts(connection.get(), timeout);
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI;
    if (secure) {
        flags |= INTERNET_FLAG_SECURE;
    }
    HINTERNET request =
        WinInet().openRequest(connection.get(), L"GET", object.c_str(), nullptr, nullptr, nullptr, flags, 0);
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
    if (!WinInet().Complete()) {
        return {HttpFetchStatus::NoSession, {}};
    }
    const InternetHandle session(
        WinInet().open(L"Traxo", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        return {HttpFetchStatus::NoSession, {}};
    }
    SetTimeouts(session.get(), options_.timeout);
    const std::wstring url = WideText(address);
    const bool http = IsHttpAddress(address);
    InternetHandle connection(nullptr);
    const InternetHandle request(
        http ? OpenHttpRequest(session.get(), url, options_.timeout, connection)
             : WinInet().openUrl(session.get(), url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
    if (!request) {
        return {HttpFetchStatus::OpenFailed, {}};
    }
    if (http && !AnsweredOk(request.get())) {
        return {HttpFetchStatus::BadStatus, {}};
    }
    std::string body;
    char chunk[kChunkBytes];
    for (;;) {
        DWORD read = 0;
        if (!WinInet().readFile(request.get(), chunk, kChunkBytes, &read)) {
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
