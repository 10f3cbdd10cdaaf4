// The options dialog's controls made from its table: the standard ones through the kit, the
// animated OK and Cancel buttons, the tooltips, the lists' columns and the trigger pictures.
#include "platform/Dpi_win.h"
#include "platform/GdiPaintCanvas_win.h"
#include "ui/kit/ControlWindows_win.h"
#include "ui/kit/DynamicAccessible_win.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/options/Options_win.h"
#include "ui/options/TriggerPictures.h"

namespace traxo {
namespace {

using enum OptionsControl;

} // namespace

DynamicLook OptionsButtonLook(OptionsControl id, DpiScale scale) {
    const TDynamicShape shape = id == OptionsControl::btnOK ? fsJaggedSE : fsJaggedNW;
    DynamicLook look = DefaultOpaqueButtonLook();
    look.Colour = Rgb(46, 60, 75);
    look.SelectedColour = Rgb(81, 106, 123);
    look.MouseDownColour = Rgb(31, 41, 48);
    look.BorderColour = look.Colour;
    look.SelectedBorderColour = look.SelectedColour;
    look.OutsideColour = kOptionsDialogColour;
    look.FontColour = Rgb(255, 255, 255);
    look.SelectedFontColour = Rgb(255, 255, 255);
    look.FadeInTime = 50;
    look.FadeOutTime = 300;
    look.CornerWidth = scale(5);
    look.Font.height = scale(look.Font.height);
    look.Shape = shape;
    look.Alignment = taCenter;
    look.CustomTextRenderer = true;
    return look;
}

void TfrmOptions::CreateControls() {
    font_.reset(CreateMessageFont(dpi_));

    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, DpiScale{dpi_}(300));

    for (const PlacedOptionsControl& spec :
         PlaceOptionsControls(DpiScale{dpi_}, Language::English)) {
        controls_[static_cast<std::size_t>(spec.id)] = CreateControl(spec);
        if (!spec.hint.empty()) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = hwnd();
            tool.uId = reinterpret_cast<UINT_PTR>(Control(spec.id));
            tool.lpszText = const_cast<wchar_t*>(L"");
            SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    // The frames lie under the lists they surround, the page control under everything.
    for (const OptionsControl below : {Shape1, Shape2, PageControl1}) {
        SetWindowPos(Control(below), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    SetWindowPos(Control(btnReloadApp), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(Control(btnReloadApp), SW_HIDE);

    SendMessageW(Control(trackIdle), TBM_SETRANGE, FALSE,
                 MAKELPARAM(kIdleTimeoutMin, kIdleTimeoutMax));
    SendMessageW(Control(trackIdle), TBM_SETPAGESIZE, 0, kIdleTimeoutPage);
    SetListBoxItems(Control(comboLang), CB_RESETCONTENT, CB_ADDSTRING,
                    {std::u16string(kLanguageNames[0]), std::u16string(kLanguageNames[1])});

    const HWND methods = Control(listviewMethods);
    ListView_SetExtendedListViewStyle(methods, LVS_EX_FULLROWSELECT);
    ListView_SetBkColor(methods, RGB(255, 255, 255));
    ListView_SetTextBkColor(methods, RGB(255, 255, 255));
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = Scaled(SpecOf(listviewMethods).place).right -
                Scaled(SpecOf(listviewMethods).place).left - 4;
    ListView_InsertColumn(methods, 0, &column);
    CreateTriggerPictures();

    const HWND apps = Control(lstKnownApps);
    ListView_SetExtendedListViewStyle(apps, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    const DpiScale scale{dpi_};
    rowHeight_.reset(ImageList_Create(scale(16), scale(18), ILC_COLOR32, 1, 0));
    ListView_SetImageList(apps, rowHeight_, LVSIL_SMALL);
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = scale(160);
    column.pszText = const_cast<wchar_t*>(L"Title");
    ListView_InsertColumn(apps, 0, &column);
    column.cx = scale(260);
    column.pszText = const_cast<wchar_t*>(L"Path");
    ListView_InsertColumn(apps, 1, &column);
}

HWND TfrmOptions::CreateControl(const PlacedOptionsControl& control) {
    if (control.kind != ControlKind::DynamicOpaqueButton) {
        const StandardWindow standard = StandardWindowOf(control.kind);
        const HWND window = CreateStandardControl(
            hwnd(), ControlIdOf(control.id), control.kind, control.client,
            WS_CLIPSIBLINGS | standard.style | control.style, standard.exStyle | control.exStyle,
            control.id == btnReloadApp ? u"..." : u"", font_.get());
        if (control.kind == ControlKind::Swatch) {
            panelTail_ = std::make_unique<TDynamicFrame>(
                window, Rect{0, 0, control.client.right - control.client.left,
                             control.client.bottom - control.client.top});
        }
        return window;
    }
    const bool ok = control.id == btnOK;
    auto button = std::make_unique<TDynamicOpaqueButton>(
        hwnd(), control.client, OptionsButtonLook(control.id, DpiScale{dpi_}));
    // Measured and drawn with the wide routines, so that Chinese captions show.
    button->OnCustomTextExtent = [](PaintCanvas& canvas, std::u16string_view text) {
        return canvas.MeasureText(text);
    };
    button->OnCustomTextRender = [](PaintCanvas& canvas, int x, int y, std::u16string_view text) {
        canvas.DrawText({x, y}, text);
    };
    button->OnClick = [this, ok] { ok ? btnOKClick() : btnCancelClick(); };
    MakeAccessibleButton(*button, [this] {
        return MainWindowText(MainText::PressAction, model_.controls.shownLanguage);
    });
    const HWND window = button->hwnd();
    SetWindowLongPtrW(window, GWLP_ID, ControlIdOf(control.id));
    (ok ? btnOK_ : btnCancel_) = std::move(button);
    return window;
}

void TfrmOptions::CreateTriggerPictures() {
    const DpiScale scale{dpi_};
    const int width = scale(kTriggerPictureSize.width);
    const int height = scale(kTriggerPictureSize.height);
    triggerPictures_.reset(ImageList_Create(width, height, ILC_COLOR32, kTriggerModeCount, 0));
    const ScopedWindowDc screen(nullptr);
    const ScopedMemoryDc memory(CreateCompatibleDC(screen.get()));
    for (int mode = 0; mode < kTriggerModeCount; ++mode) {
        const ScopedBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
        {
            const ScopedSelection selected(memory, bitmap);
            GdiPaintCanvas canvas(memory);
            // The pictures are drawn at 96 DPI and stretched once, which keeps them in proportion.
            SetGraphicsMode(memory, GM_ADVANCED);
            const float factor = static_cast<float>(dpi_) / 96.0f;
            const XFORM transform{factor, 0, 0, factor, 0, 0};
            SetWorldTransform(memory, &transform);
            PaintTriggerPicture(canvas, mode);
            ModifyWorldTransform(memory, nullptr, MWT_IDENTITY);
        }
        ImageList_Add(triggerPictures_, bitmap, nullptr);
    }
    ListView_SetImageList(Control(listviewMethods), triggerPictures_, LVSIL_SMALL);
}

} // namespace traxo
