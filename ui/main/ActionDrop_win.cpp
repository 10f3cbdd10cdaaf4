#include "ui/main/ActionDrop_win.h"

#include "app/ProductInfo.h"
#include "platform/WideText_win.h"

namespace traxo {

std::vector<std::u16string> DroppedFileNames(HDROP drop) {
    std::vector<std::u16string> names;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
        const UINT copied = DragQueryFileW(drop, i, name.data(), length + 1);
        name.resize(copied);
        names.push_back(Utf16Text(name));
    }
    return names;
}

DropDecision comboActionsPanelDrop(HWND panel, HDROP drop, bool panelVisible,
                                   std::u16string_view appFolder, Language language) {
    const std::vector<std::u16string> names = DroppedFileNames(drop);
    DragFinish(drop);
    const DropDecision decision = DecideDrop(
        names.size(), names.empty() ? std::u16string_view() : std::u16string_view(names.front()),
        panelVisible, appFolder);
    const std::u16string_view message = DropMessage(decision.outcome, language);
    if (!message.empty()) {
        MessageBoxW(GetAncestor(panel, GA_ROOT), WideText(message).c_str(),
                    WideText(kProductName).c_str(), MB_OK | MB_ICONWARNING);
    }
    return decision;
}

} // namespace traxo
