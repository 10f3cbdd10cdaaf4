#include "ui/update/UpdateCheck.h"

#include "app/ProductInfo.h"
#include "app/UpdateAddress.h"
#include "platform/PortableIni.h"
#include "platform/Utf8.h"
#include "ui/update/UpdateTexts.h"

#include <array>
#include <fstream>
#include <system_error>

namespace traxo {
namespace {

constexpr std::u16string_view kUnknown = u"unknown";
constexpr int kNoResult = TaskButtonResult(1);

char16_t AsciiLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

bool StartsWithIgnoringAsciiCase(std::u16string_view text, std::u16string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (AsciiLower(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::u16string Latin1Text(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::u16string ReplyText(std::string_view body, const CodePageDecoder& codePage) {
    std::optional<std::u16string> utf8 = Utf8ToUtf16(body);
    std::u16string text = utf8 ? std::move(*utf8) : codePage(body);
    if (!text.empty() && text.front() != u'[') {
        text.erase(0, 1);
    }
    return text;
}

bool SaveUtf16File(const std::filesystem::path& file, std::u16string_view text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    std::string bytes{'\xFF', '\xFE'};
    bytes.reserve(2 + text.size() * 2);
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

UpdateReply ReadUpdateReply(std::u16string_view text, Language language) {
    const auto read = [text](std::u16string_view key, std::u16string_view defaultValue) {
        return ReadIniText(text, kUpdateSection, key, defaultValue);
    };
    UpdateReply reply;
    reply.version = read(u"version", u"-1");
    reply.download = read(u"download", kUnknown);
    reply.date = read(u"date", kUnknown);
    const std::u16string languageKey =
        u"info" + std::u16string(1, static_cast<char16_t>(u'0' + LanguageNumber(language)));
    reply.info = read(languageKey, kUnknown);
    if (reply.info == kUnknown) {
        reply.info = read(u"info", kUnknown);
    }
    return reply;
}

UpdateOutcome DecideUpdate(const UpdateReply& reply) {
    if (reply.version == u"-1") {
        return UpdateOutcome::NetworkError;
    }
    return reply.version == kRunningVersion ? UpdateOutcome::Latest : UpdateOutcome::UpdateOffered;
}

bool IsWebAddress(std::u16string_view address) {
    for (const std::u16string_view scheme : {u"http://", u"https://"}) {
        if (StartsWithIgnoringAsciiCase(address, scheme) && address.size() > scheme.size()) {
            return true;
        }
    }
    return false;
}

TaskDialogContent UpdateDialog(const UpdateReply& reply, Language language) {
    const auto text = [language](UpdateText id) { return std::u16string(Text(id, language)); };
    TaskDialogContent dialog;
    dialog.title = kProductName;
    dialog.icon = TaskDialogIcon::Information;
    dialog.content = reply.info;
    dialog.footer = TextWithEach(Text(UpdateText::Footer, language),
                                 {reply.version, reply.date, kRunningVersion});
    if (IsWebAddress(reply.download)) {
        dialog.mainInstruction = text(UpdateText::Instruction);
        dialog.buttons = {text(UpdateText::Yes), text(UpdateText::No)};
    } else {
        dialog.mainInstruction = text(UpdateText::InstructionNoLink);
        dialog.content +=
            u"\n\n" + TextWith(Text(UpdateText::DownloadFrom, language), reply.download);
        dialog.buttons = {text(UpdateText::Ok)};
    }
    return dialog;
}

std::u16string AddressToOpen(const UpdateReply& reply, int dialogResult) {
    // Any answer but "No" (closing the dialog too) opens the address, as it always has.
    if (dialogResult == kNoResult || !IsWebAddress(reply.download)) {
        return {};
    }
    return reply.download;
}

TaskDialogContent LatestVersionDialog(Language language) {
    TaskDialogContent dialog;
    dialog.title = kProductName;
    dialog.icon = TaskDialogIcon::Information;
    dialog.mainInstruction = Text(UpdateText::Latest, language);
    dialog.buttons = {std::u16string(Text(UpdateText::Ok, language))};
    return dialog;
}

std::u16string NetworkErrorText(Language language) {
    return std::u16string(Text(UpdateText::NetworkError, language));
}

void PrepareUpdateCheck(const UpdateCheckRequest& request) {
    std::error_code ignored;
    std::filesystem::remove(request.localCopy, ignored);
}

bool FinishUpdateCheck(const HttpFetchResult& fetched, const UpdateCheckRequest& request,
                       UpdatePrompts& prompts) {
    const std::u16string text =
        fetched.Succeeded() ? ReplyText(fetched.body, request.codePage) : std::u16string();
    // The copy is kept for the user to look at; the reply is read from memory, never back from
    // a file that something else could change in between.
    SaveUtf16File(request.localCopy, text);
    const UpdateReply reply = ReadUpdateReply(text, request.language);
    switch (DecideUpdate(reply)) {
    case UpdateOutcome::NetworkError:
        // The automatic check at start keeps quiet: a start without a network is no news.
        if (request.reportLatest) {
            prompts.ShowNetworkError(NetworkErrorText(request.language));
        } else {
            prompts.LogFailure(u"Automatic update check: " + NetworkErrorText(Language::English));
        }
        return false;
    case UpdateOutcome::Latest:
        if (request.reportLatest) {
            prompts.ShowDialog(LatestVersionDialog(request.language));
        }
        return true;
    case UpdateOutcome::UpdateOffered:
        break;
    }
    const int answer = prompts.ShowDialog(UpdateDialog(reply, request.language));
    const std::u16string address = AddressToOpen(reply, answer);
    if (!address.empty()) {
        prompts.OpenAddress(address);
    }
    return false;
}

bool HasLatestVersion(HttpFetch& fetch, std::u16string_view address,
                      const UpdateCheckRequest& request, UpdatePrompts& prompts) {
    PrepareUpdateCheck(request);
    return FinishUpdateCheck(fetch.Get(address), request, prompts);
}

bool UpdateTimerGate::Tick(bool firstRunPromptShowing) {
    if (finished_ || firstRunPromptShowing) {
        return false;
    }
    finished_ = true;
    return true;
}

} // namespace traxo
