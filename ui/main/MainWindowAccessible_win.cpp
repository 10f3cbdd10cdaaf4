// The main window for screen readers: each animated control, the motion list with its rows and
// the pad answer WM_GETOBJECT with objects that read the portable descriptions; the pad's new
// messages raise an alert.
#include "ui/main/MainWindowAccessible.h"
#include "ui/main/MainWindow_win.h"

#include <oleacc.h>

namespace traxo {

void TgestureConfigForm::MakeAccessible() {
    for (auto& [id, button] : buttons_) {
        MakeControlAccessible(id, *button);
    }
    for (auto& [id, tab] : tabs_) {
        MakeControlAccessible(id, *tab);
    }
    MakeListAccessible();
    MakePadAccessible();
}

void TgestureConfigForm::MakeControlAccessible(MainControl id, DynamicWindow& control) {
    auto provider = std::make_unique<FunctionAccessible>();
    auto* button = dynamic_cast<TDynamicOpaqueButton*>(&control);
    auto* tab = dynamic_cast<TDynamicLabel*>(&control);
    provider->describe = [this, id, &control, button, tab](int) {
        ControlFacts facts;
        facts.caption = control.Look().Caption;
        facts.enabled = button != nullptr ? button->Enabled() : tab == nullptr || tab->Enabled();
        facts.pressed = button != nullptr && button->Pressed();
        facts.checked = id == MainControl::btnActive && settings_.active;
        return DescribeMainControl(id, facts, settings_.language);
    };
    provider->doDefault = [&control](int) {
        // Copied first: the handler may replace itself or end the control.
        if (auto click = control.OnClick) {
            click();
        } else if (auto down = control.OnMouseDown) {
            down(0, Point{}); // btnHelp opens its menu on the press
        }
        return true;
    };
    control.Accessible().SetProvider(std::move(provider));
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
