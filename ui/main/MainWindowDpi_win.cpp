// The main window on a monitor of another DPI: the layout is built again at the new scale and
// every control, font, row height, icon and the pad follow it; the window takes the suggested
// place with the client size of the design at that scale.
#include "actions/ActionLists.h"
#include "platform/Dpi_win.h"
#include "ui/kit/ControlWindows_win.h"
#include "ui/main/MainWindowLooks.h"
#include "ui/main/MainWindow_win.h"

#include <utility>

namespace traxo {

DynamicControl* TgestureConfigForm::AnimatedControl(MainControl id) const {
    if (const auto button = buttons_.find(id); button != buttons_.end()) {
        return button->second.get();
    }
    if (const auto tab = tabs_.find(id); tab != tabs_.end()) {
        return tab->second.get();
    }
    return id == MainControl::DynamicFrame1   ? frame1_.get()
           : id == MainControl::DynamicFrame2 ? frame2_.get()
                                              : nullptr;
}

void TgestureConfigForm::FollowDpi(int newDpi, LPARAM suggested) {
    if (newDpi == scale_.dpi || layout_.empty()) {
        scale_ = DpiScale{newDpi};
        return;
    }
    scale_ = DpiScale{newDpi};
    const std::vector<PlacedMainControl> old = std::move(layout_);
    layout_ = BuildMainWindowLayout(scale_, Language::English);
    for (PlacedMainControl& control : layout_) {
        if (control.kind == ControlKind::Label) {
            control.text = Find(old, control.id).text; // the shown language's
        }
    }
    listFonts_ = ScaledMotionListFonts(scale_);
    hoverLabel_ = MainControl::None;

    // The action button goes to its table place too; ListBox1Click below puts it over the
    // selected row again.
    RelayoutAnimatedControls<MainControl>(
        layout_, [this](MainControl id) { return AnimatedControl(id); },
        [this](const PlacedMainControl& control) { return DynamicLookOf(layout_, control.id); });

    // The list and the pad are the window's child windows; the list draws with its own fonts.
    RelayoutControls<MainControl>(
        layout_,
        [this](MainControl id) -> HWND {
            return id == MainControl::ListBox1 ? ListBox1_
                   : id == MainControl::image1 ? image1_
                                               : nullptr;
        },
        nullptr, nullptr);
    SendMessageW(ListBox1_, LB_SETITEMHEIGHT, 0, scale_(kMotionRowHeight));

    const Rect pad = ClientRectOf(MainControl::image1);
    padCanvas_.reset(); // its font and pen belong to the old bitmap's DC
    padBitmap_.Resize(pad.right - pad.left, pad.bottom - pad.top);
    padCanvas_ = std::make_unique<GdiPaintCanvas>(padBitmap_.Dc(), &padObjects_);
    padCanvas_->FillRect({0, 0, padBitmap_.Width(), padBitmap_.Height()}, Rgb(255, 255, 255));

    // The program icons at the new size, in the same list: the dialogs hold its handle.
    if (imgApps_ != nullptr) {
        ImageList_SetIconSize(imgApps_, scale_(16), scale_(16)); // empties it
    }
    GetAppIcons();

    PlaceAtChangedDpi(hwnd(), suggested, ScaledSize(kMainClientSize, scale_), newDpi);
    actionPanel_ = ActionPanel{};
    updateList();
    ListBox1Click(); // the pad shows the selected motion again, the action button its row
    UpdateButtons();
    RedrawWindow(hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

} // namespace traxo
