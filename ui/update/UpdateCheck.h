#pragma once
// The update check without the system: what the downloaded description says, what the user is
// shown, and what is opened. The Windows side (ui/UpdateCheck_win.h) fetches off the
// user-interface thread and calls FinishUpdateCheck with the result.

#include "platform/HttpFetch.h"
#include "platform/Language.h"
#include "ui/kit/TaskDialogContent.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace traxo {

inline constexpr std::u16string_view kUpdateSection = u"traxo";
inline constexpr std::u16string_view kLocalUpdateCopyName = u"updates.ini";

// Converts bytes of the system's 8-bit code page to text (Windows: the ANSI code page).
using CodePageDecoder = std::function<std::u16string(std::string_view)>;
// Latin-1, the stand-in for the code page where there is no system to ask.
std::u16string Latin1Text(std::string_view bytes);

// The reply as text: UTF-8 when the bytes are valid UTF-8 (so a description with Chinese text
// reads the same on every system), otherwise the code page. A reply that does not start with
// "[" loses its first character: servers put a byte-order mark there.
std::u16string ReplyText(std::string_view body, const CodePageDecoder& codePage);

// Writes the text as the program's text files are written: UTF-16LE after the mark FF FE.
bool SaveUtf16File(const std::filesystem::path& file, std::u16string_view text);

struct UpdateReply {
    std::u16string version = u"-1"; // "-1": nothing usable came
    std::u16string download = u"unknown";
    std::u16string date = u"unknown";
    std::u16string info = u"unknown"; // in the user's language where the reply has it
};

// Reads section "traxo" of the description's text. Language 1 reads "info1" before "info".
UpdateReply ReadUpdateReply(std::u16string_view text, Language language);

enum class UpdateOutcome { NetworkError, Latest, UpdateOffered };
UpdateOutcome DecideUpdate(const UpdateReply& reply);

// Only these are handed to the shell: anything else could start a program or open a file.
bool IsWebAddress(std::u16string_view address);

// dlgUpdate for the reply in the language (0 English, 1 Chinese). For a web address it asks
// "Yes"/"No"; otherwise it shows the address as text with one "OK" and nothing will be opened.
TaskDialogContent UpdateDialog(const UpdateReply& reply, Language language);
// The address to open for the answer to UpdateDialog; empty: open nothing.
std::u16string AddressToOpen(const UpdateReply& reply, int dialogResult);

// dlgLatestOK of the options dialog.
TaskDialogContent LatestVersionDialog(Language language);
std::u16string NetworkErrorText(Language language);

// What the check shows and opens.
class UpdatePrompts {
public:
    virtual ~UpdatePrompts() = default;
    virtual void ShowNetworkError(std::u16string_view text) = 0; // a plain message
    virtual int ShowDialog(const TaskDialogContent& dialog) = 0; // the pressed button's result
    virtual void OpenAddress(std::u16string_view address) = 0;   // through the shell
    virtual void LogFailure(std::u16string_view text) = 0;       // the diagnostic log only
};

struct UpdateCheckRequest {
    std::filesystem::path localCopy; // AppFolder + "updates.ini"
    Language language = Language::English;
    // "Check for updates now": tells the user when nothing is new and when the check failed; the
    // automatic check only logs a failure.
    bool reportLatest = false;
    CodePageDecoder codePage = Latin1Text;
};

// Deletes the local copy before a new download.
void PrepareUpdateCheck(const UpdateCheckRequest& request);

// Everything after the download: saves the local copy, reads it, and tells the user. Returns
// true when the running version is the newest (HasLatestVersion).
bool FinishUpdateCheck(const HttpFetchResult& fetched, const UpdateCheckRequest& request,
                       UpdatePrompts& prompts);

// The whole check in one call, blocking for the download.
bool HasLatestVersion(HttpFetch& fetch, std::u16string_view address,
                      const UpdateCheckRequest& request, UpdatePrompts& prompts);

// UpdateTimer's ticks: the check waits while the first-run prompt is open, then runs once per
// start.
class UpdateTimerGate {
public:
    // True: run the check now (and never again).
    bool Tick(bool firstRunPromptShowing);
    // The timer can stop.
    bool Finished() const { return finished_; }

private:
    bool finished_ = false;
};

} // namespace traxo
