// The main window's side of the tutorial: where the controls it points at are, and the events
// the window reports to it.
#include "platform/AsciiText.h"
#include "ui/main/MainWindow_win.h"

namespace traxo {
namespace {

Point CentreOf(const RECT& rect) {
    return {rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2};
}

} // namespace

void TgestureConfigForm::ConnectTutorial(TfrmTutorial& tutorial) {
    TutorialHost host;
    host.screenCentreOf = [this](std::u16string_view name) { return ScreenCentreOfControl(name); };
    host.mainWindowBounds = [this] {
        RECT frame{};
        GetWindowRect(hwnd(), &frame);
        return Rect{frame.left, frame.top, frame.right, frame.bottom};
    };
    host.language = [this] { return settings_.language; };
    host.triggerMode = [this] { return settings_.invoke; };
    tutorial.Connect(std::move(host));
}

std::optional<Point> TgestureConfigForm::ScreenCentreOfControl(std::u16string_view name) {
    if (const std::optional<MainControl> id = MainControlNamed(name)) {
        if (*id == MainControl::btnAssign && ListBox1_ != nullptr) {
            UpdateWindow(ListBox1_); // drawing the selected row places the action button
        }
        HWND child = nullptr;
        if (const auto button = buttons_.find(*id); button != buttons_.end()) {
            child = button->second->hwnd();
        } else if (*id == MainControl::ListBox1) {
            child = ListBox1_;
        } else if (*id == MainControl::image1) {
            child = image1_;
        }
        RECT rect{};
        if (child != nullptr) {
            GetWindowRect(child, &rect);
        } else {
            const Rect client = ClientRectOf(*id);
            rect = {client.left, client.top, client.right, client.bottom};
            MapWindowPoints(hwnd(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
        }
        return CentreOf(rect);
    }
    TfrmAssign* const assign = dialogs_ ? dialogs_->MadeAssign() : nullptr;
    if (SameTextIgnoringCase(Trimmed(name), u"lstActions") && assign != nullptr &&
        assign->hwnd() != nullptr) {
        // The list's top-right corner rather than its centre: placed from there, the tutorial
        // stands beside or above the list and leaves the dialog's OK and Cancel free to click.
        RECT rect{};
        GetWindowRect(assign->Control(TfrmAssign::kLstActions), &rect);
        return Point{rect.right, rect.top};
    }
    return std::nullopt;
}

void TgestureConfigForm::TutorialEvent(std::u16string_view event) {
    if (TfrmTutorial* const tutorial = dialogs_ ? dialogs_->MadeTutorial() : nullptr) {
        tutorial->Report(event);
    }
}

void TgestureConfigForm::ScreenGestureHandled() {
    const TfrmTutorial* const tutorial = dialogs_ ? dialogs_->MadeTutorial() : nullptr;
    if (tutorial != nullptr && tutorial->Visible()) {
        ProcessPendingMessages();
        TutorialEvent(u"screenGesture");
    }
}

} // namespace traxo
