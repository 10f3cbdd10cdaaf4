// The main window for screen readers: each animated control, the motion list with its rows and
// the pad answer WM_GETOBJECT with objects that read the portable descriptions; the pad's new
// messages raise an alert.
#include "ui/kit/DynamicAccessible_win.h"
#include "ui/main/MainWindowAccessible.h"
#include "ui/main/MainWindow_win.h"

#include <iterator>
#include <oleacc.h>
#include <vector>

namespace traxo {

void TgestureConfigForm::MakeAccessible() {
    const auto describe = [this](MainControl id) {
        return [this, id](const ControlFacts& facts) {
            ControlFacts shown = facts;
            shown.checked = id == MainControl::btnActive && settings_.active;
            return DescribeMainControl(id, shown, settings_.language);
        };
    };
    for (auto& [id, button] : buttons_) {
        traxo::MakeAccessible(*button, describe(id));
    }
    for (auto& [id, tab] : tabs_) {
        traxo::MakeAccessible(*tab, describe(id));
    }
    MakeClientAccessible();
    MakeListAccessible();
    MakePadAccessible();
}

namespace {

constexpr MainControl kFrames[]{MainControl::DynamicFrame1, MainControl::DynamicFrame2};
constexpr int kFrameCount = static_cast<int>(std::size(kFrames));

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

} // namespace

void TgestureConfigForm::MakeClientAccessible() {
    auto provider = std::make_unique<FunctionAccessible>();
    provider->childCount = [this] {
        return kFrameCount + static_cast<int>(ChildWindows(hwnd()).size());
    };
    provider->childWindow = [this](int child) -> HWND {
        const std::vector<HWND> windows = ChildWindows(hwnd());
        const int index = child - 1 - kFrameCount;
        return index >= 0 && index < static_cast<int>(windows.size()) ? windows[index] : nullptr;
    };
    provider->describe = [this](int child) {
        if (child >= 1 && child <= kFrameCount) {
            const MainControl frame = kFrames[child - 1];
            return DescribeFrame(frame, ClientRectOf(frame), settings_.language);
        }
        wchar_t title[256] = {};
        if (child == CHILDID_SELF) {
            GetWindowTextW(hwnd(), title, 256); // a child window's object names it for itself
        }
        return DescribeMainClient(std::u16string(title, title + lstrlenW(title)));
    };
    clientAccessible_.SetProvider(std::move(provider));
}

void TgestureConfigForm::MakeListAccessible() {
    auto provider = std::make_unique<FunctionAccessible>();
    provider->childCount = [this] {
        const LRESULT count = SendMessageW(ListBox1_, LB_GETCOUNT, 0, 0);
        return count == LB_ERR ? 0 : static_cast<int>(count);
    };
    provider->describe = [this](int child) {
        if (child == CHILDID_SELF) {
            return DescribeMotionList(settings_.language);
        }
        const int row = child - 1;
        RECT place{};
        SendMessageW(ListBox1_, LB_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&place));
        MotionRowFacts facts;
        facts.selected = SendMessageW(ListBox1_, LB_GETCURSEL, 0, 0) == row;
        facts.focused =
            GetFocus() == ListBox1_ && SendMessageW(ListBox1_, LB_GETCARETINDEX, 0, 0) == row;
        facts.place = {place.left, place.top, place.right, place.bottom};
        return DescribeMotionRow(motionSet_, row, facts, settings_.language);
    };
    listAccessible_.SetProvider(std::move(provider));
}

void TgestureConfigForm::MakePadAccessible() {
    auto provider = std::make_unique<FunctionAccessible>();
    provider->childCount = [this] { return pad_ ? PadChildCount(pad_->ShownMessageTexts()) : 0; };
    provider->describe = [this](int child) {
        const std::vector<std::u16string> messages =
            pad_ ? pad_->ShownMessageTexts() : std::vector<std::u16string>{};
        return child == CHILDID_SELF ? DescribePad(messages, settings_.language)
                                     : DescribePadAlert(messages);
    };
    padAccessible_.SetProvider(std::move(provider));
}

void TgestureConfigForm::AnnouncePadMessages() {
    if (!pad_ || image1_ == nullptr) {
        return;
    }
    std::vector<std::u16string> shown = pad_->ShownMessageTexts();
    const bool announce = PadAnnouncement(padMessagesSaid_, shown).has_value();
    const bool changed = shown != padMessagesSaid_;
    padMessagesSaid_ = std::move(shown);
    if (changed) {
        AccessibleHost::Notify(image1_, EVENT_OBJECT_VALUECHANGE, CHILDID_SELF);
    }
    if (announce) {
        AccessibleHost::Notify(image1_, EVENT_SYSTEM_ALERT, 1);
    }
}

} // namespace traxo
