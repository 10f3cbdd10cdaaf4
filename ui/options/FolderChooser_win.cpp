#include "ui/options/FolderChooser_win.h"

#include "app/Startup.h"
#include "platform/WideText_win.h"
#include "ui/kit/DialogTexts.h"
#include "ui/main/MainWindowTexts.h"

#include <commdlg.h>
#include <shlobj.h>
#include <vector>

namespace traxo {

std::optional<std::u16string> ChooseFolder(HWND owner, Language language) {
    const std::wstring title = WideText(DialogString(DialogText::FolderChooserTitle, language));
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (chosen == nullptr) {
        return std::nullopt;
    }
    std::optional<std::u16string> result;
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(chosen, path)) { // fails for folders outside the file system
        result = Utf16Text(path);
    }
    ILFree(chosen);
    return result;
}

std::optional<std::u16string> ChooseActionFile(HWND owner, Language language) {
    const std::wstring title = WideText(MainWindowText(MainText::OpenActionTitle, language));
    std::vector<wchar_t> file(32768, L'\0');
    constexpr wchar_t kFilter[] =
        L"Applications\0*.exe;*.bat;*.msi;*.com;*.jar;*.lnk\0All Files\0*.*\0";
    OPENFILENAMEW open{};
    open.lStructSize = sizeof(open);
    open.hwndOwner = owner;
    open.lpstrFilter = kFilter;
    open.lpstrFile = file.data();
    open.nMaxFile = static_cast<DWORD>(file.size());
    open.lpstrTitle = title.c_str();
    open.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&open)) {
        return std::nullopt;
    }
    return Utf16Text(file.data());
}

std::u16string ProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            return AppFolderOf(Utf16Text(std::wstring_view(path.data(), length)));
        }
        path.resize(path.size() * 2);
    }
}

} // namespace traxo
