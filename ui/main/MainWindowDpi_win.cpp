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
namespace {

// A look made again at the new scale keeps the caption the control shows now (its language,
// the status line, the action of the selected motion).
DynamicLook KeepingCaption(DynamicLook look, const DynamicLook& now) {
    look.Caption = now.Caption;
    return look;
}

} // namespace

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

    for (auto& [id, button] : buttons_) {
        button->SetLook(KeepingCaption(DynamicLookOf(layout_, id), button->Look()));
        if (id != MainControl::btnAssign) { // the action button sits over the selected row
            button->SetBounds(ClientRectOf(id));
        }
    }
    for (auto& [id, tab] : tabs_) {
        tab->SetLook(KeepingCaption(DynamicLookOf(layout_, id), tab->Look()));
        tab->SetBounds(ClientRectOf(id));
    }
    for (auto [frame, id] : {std::pair{frame1_.get(), MainControl::DynamicFrame1},
                             std::pair{frame2_.get(), MainControl::DynamicFrame2}}) {
        frame->SetLook(KeepingCaption(DynamicLookOf(layout_, id), frame->Look()));
        frame->SetBounds(ClientRectOf(id));
    }

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
