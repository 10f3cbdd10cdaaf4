#pragma once
// The options dialog: created once at start, owned by the application window, shown modally by
// the main window in one of two views. OptionsModel holds its state and decisions; this window
// mirrors it and carries out what OK asks of the rest of the program.

#include "controls/DynamicFrame_win.h"
#include "controls/DynamicOpaqueButton_win.h"
#include "platform/Language.h"
#include "platform/ScopedWin_win.h"
#include "ui/kit/FormWindow_win.h"
#include "ui/options/OptionsLayout.h"
#include "ui/options/OptionsModel.h"

#include <array>
#include <commctrl.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace traxo {

class SetDocument;

// What the dialog needs from the main window; every function may be left empty.
// The dialog's background, which its animated buttons show around their shapes.
inline constexpr Colour kOptionsDialogColour = Rgb(255, 255, 255);

// Refills a list or combo box (reset and add are its messages) with the items.
void SetListBoxItems(HWND list, UINT reset, UINT add, const std::vector<std::u16string>& items);

struct OptionsHost {
    Settings* settings = nullptr;
    SetDocument* document = nullptr;
    std::u16string appFolder; // with its trailing backslash
    std::function<std::vector<std::u16string>()> recentPrograms;
    std::function<bool()> willAutoStart;   // the autostart entry points at this program
    std::function<void()> toggleAutoStart; // as the tray menu's entry does
    std::function<void(bool)> enableHook;
    std::function<void()> afterOk;         // updateList and the main window's TranslateMe
    std::function<bool()> checkForUpdates; // true when the running version is the latest
    HIMAGELIST appIcons = nullptr;         // imgApps: icon i + 1 for program i
};

// The look of the animated OK and Cancel buttons at the scale.
DynamicLook OptionsButtonLook(OptionsControl id, DpiScale scale);

class TfrmOptions final : public FormWindow {
public:
    explicit TfrmOptions(HWND owner);
    ~TfrmOptions() override;

    void Connect(OptionsHost host) { host_ = std::move(host); }

    // Shows the dialog in the view and returns true for OK, false for Cancel. centreOn (the
    // main window) is disabled while the dialog is open.
    bool ShowModal(OptionsView view, HWND centreOn);
    // The first half of ShowModal: loads and shows the dialog without waiting.
    void Show(OptionsView view, HWND centreOn);
    bool IsOpen() const { return open_; }
    bool ModalResult() const { return result_; }

    // Sets every text for the language; without one, for the current language.
    void TranslateMe();
    void TranslateMe(Language language);

    // The controls' states and the window of one control, for the main window and tests.
    const OptionsModel& Model() const { return model_; }
    HWND Control(OptionsControl id) const { return controls_[static_cast<std::size_t>(id)]; }
    TDynamicOpaqueButton& OkButton() { return *btnOK_; }
    TDynamicOpaqueButton& CancelButton() { return *btnCancel_; }

    void btnOKClick();
    void btnCancelClick();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    HWND CreateControl(const PlacedOptionsControl& control);
    void CreateTriggerPictures();
    void FollowDpi(int newDpi, LPARAM suggested); // OptionsDpi_win.cpp
    void ShowPageControls();
    OptionsPage SelectedPage() const;
    void FormShow();
    void LoadControls();       // model -> windows
    void ApplyEnabledStates(); // the enabling rules of the model
    void FillKnownApps();
    void FillExcluded();
    void Close(bool ok);

    void OnCommand(int id, int code, HWND control);
    LRESULT OnNotify(NMHDR& header);
    LRESULT KnownAppsCustomDraw(NMLVCUSTOMDRAW& draw);
    void OnDrawItem(DRAWITEMSTRUCT& item);
    void OnTrackIdle();
    void ShowIdleTimeout();

    void listviewMethodsSelectItem();
    void chkTimeoutClick();
    void chkRecentClick(OptionsControl box);
    void chkAutoCheckClick();
    void comboLangSelect();
    void btnTrailClick();
    void btnBrowseClick();
    void btnRemoveClick();
    void btnExcludeClick();
    void btnBrowse_2Click();
    void btnAddKnownAppClick();
    void btnRemove_2Click();
    void btnReloadAppClick();
    void btnOpenListClick();
    void btnSaveListClick();
    void btnCheckNowClick();
    void AddedKnownApp(AddProgramResult result);
    void MarkSetModified();
    void ShowMessage(OptionsText text, int icon);

    bool Checked(OptionsControl id) const;
    void SetChecked(OptionsControl id, bool checked);
    void Enable(OptionsControl id, bool enabled);
    std::u16string Text(OptionsText id) const;
    Rect Scaled(Rect units) const;

    HWND owner_;
    OptionsHost host_;
    OptionsModel model_;
    OptionsView view_ = OptionsView::Options;
    int dpi_ = 96;
    bool open_ = false;
    bool result_ = false;
    bool loading_ = false; // the controls are being filled: their notifications are ours
    HWND disabledOwner_ = nullptr;
    std::array<HWND, kOptionsControlCount> controls_{};
    std::unique_ptr<TDynamicOpaqueButton> btnOK_;
    std::unique_ptr<TDynamicOpaqueButton> btnCancel_;
    std::unique_ptr<TDynamicFrame> panelTail_;
    ScopedFont font_;
    ScopedBrush white_;
    HWND tooltips_ = nullptr;
    ScopedImageList triggerPictures_;
    ScopedImageList rowHeight_; // gives the known-program rows room for their icons
};

} // namespace traxo
