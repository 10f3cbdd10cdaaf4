// The options dialog on a monitor of another DPI: every control of the layout table goes to its
// place at the new scale with the message font of that DPI; the pictures, the row height and
// the columns are made again.
#include "platform/Dpi_win.h"
#include "ui/kit/ControlWindows_win.h"
#include "ui/options/Options_win.h"

namespace traxo {
namespace {

using enum OptionsControl;

} // namespace

void TfrmOptions::FollowDpi(int newDpi, LPARAM suggested) {
    const int oldDpi = dpi_;
    if (newDpi == oldDpi) {
        return;
    }
    dpi_ = newDpi;
    const DpiScale scale{dpi_};
    const ScopedFont oldFont = std::move(font_); // released once no control uses it
    font_.reset(CreateMessageFont(dpi_));
    const std::vector<PlacedOptionsControl> placed = PlaceOptionsControls(scale, Language::English);
    RelayoutControls<OptionsControl>(
        placed,
        [this](OptionsControl id) -> HWND {
            return id == btnOK || id == btnCancel ? nullptr : Control(id);
        },
        font_.get(), nullptr);
    RelayoutAnimatedControls<OptionsControl>(
        placed,
        [this](OptionsControl id) -> DynamicControl* {
            return id == btnOK ? btnOK_.get() : id == btnCancel ? btnCancel_.get() : nullptr;
        },
        [scale](const PlacedOptionsControl& control) {
            return OptionsButtonLook(control.id, scale);
        });
    const Rect swatch = Find(placed, panelTail).client;
    if (panelTail_) {
        panelTail_->SetBounds({0, 0, swatch.right - swatch.left, swatch.bottom - swatch.top});
    }
    SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, scale(300));

    const HWND methods = Control(listviewMethods);
    const Rect methodsPlace = Find(placed, listviewMethods).client;
    ListView_SetImageList(methods, nullptr, LVSIL_SMALL);
    triggerPictures_.reset();
    CreateTriggerPictures();
    ListView_SetColumnWidth(methods, 0, methodsPlace.right - methodsPlace.left - 4);

    const HWND apps = Control(lstKnownApps);
    const ScopedImageList oldRowHeight = std::move(rowHeight_);
    rowHeight_.reset(ImageList_Create(scale(16), scale(18), ILC_COLOR32, 1, 0));
    ListView_SetImageList(apps, rowHeight_, LVSIL_SMALL);
    ListView_SetColumnWidth(apps, 0, MulDiv(ListView_GetColumnWidth(apps, 0), newDpi, oldDpi));
    ListView_SetColumnWidth(apps, 1, MulDiv(ListView_GetColumnWidth(apps, 1), newDpi, oldDpi));

    PlaceAtChangedDpi(hwnd(), suggested,
                      ScaledSize({kOptionsClientWidth, kOptionsClientHeight}, scale), newDpi);
    RedrawWindow(hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

} // namespace traxo
