#pragma once
// The base of the modal dialogs that are created once and reused: controls built from a control
// table of the kit (96-DPI units, texts from a text table), a modal loop with the dialog keys (Tab,
// Enter for the default button, Esc for Cancel), and a modal result. Closing only hides the window.

#include "platform/Language.h"
#include "platform/ScopedWin_win.h"
#include "ui/kit/ControlTable.h"
#include "ui/kit/DialogTexts.h"
#include "ui/kit/FormWindow_win.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace traxo {

inline constexpr int kModalResultOk = IDOK;
inline constexpr int kModalResultCancel = IDCANCEL;

// One control of a dialog's table: a standard control whose id is its child window id, with the
// whole of its style beyond WS_CHILD | WS_VISIBLE.
using FormRow = ControlRow<int>;
FormRow FormControl(int id, ControlKind kind, DWORD style, DWORD exStyle, int left, int top,
                    int width, int height, TextRef text = {});

class ModalForm : public FormWindow {
public:
    // Shows the dialog centred on `parent` (or the screen), with `parent` disabled, until it
    // closes; returns the modal result (kModalResultOk, kModalResultCancel).
    int ShowModal(HWND parent);
    // Ends the modal loop with this result.
    void CloseWith(int result);
    bool Showing() const { return running_; }

    HWND Control(int id) const { return GetDlgItem(hwnd(), id); }
    std::u16string ControlText(int id) const;
    void SetControlText(int id, std::u16string_view text);

    // Sets the caption and every control's text for the language (1 Chinese, else English).
    virtual void TranslateMe(Language language);
    Language CurrentLanguage() const { return language_; }

protected:
    ModalForm(const wchar_t* className, HWND owner, SIZE clientUnits, std::vector<FormRow> layout,
              TextRef caption, bool whiteBackground = false);
    ~ModalForm() override;

    int Scale(int units) const;
    int Dpi() const { return dpi_; }
    HFONT Font() const { return font_; }
    // After the dialog moved to a monitor of another DPI and the base re-placed the table's
    // controls (and scaled the others in proportion) with the new font: a dialog with fonts or
    // sizes of its own makes them again here. Scale() already gives the new DPI.
    virtual void DpiChanged(int /*oldDpi*/) {}
    // Called just before the dialog is shown, after TranslateMe.
    virtual void FormShow() {}
    // Where Tab (Shift+Tab: backwards) moves the focus from `from` when the dialog's reading
    // order differs from its windows' order; null leaves it to the system's order.
    virtual HWND NextTabStop(HWND /*from*/, bool /*backwards*/) { return nullptr; }
    // WM_COMMAND from a control; the base handles IDOK and IDCANCEL by closing.
    virtual void OnCommand(int id, int code, HWND control);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Tab and Shift+Tab where NextTabStop names the next control; false leaves the key to the
    // system's dialog keys.
    bool TabInReadingOrder(const MSG& message);
    void BuildControls();
    void FollowDpi(int newDpi, LPARAM suggested);

    std::vector<FormRow> layout_;
    TextRef caption_;
    ScopedFont font_;
    ScopedBrush background_;
    int dpi_ = 96;
    Language language_ = Language::English;
    int result_ = kModalResultCancel;
    bool running_ = false;
};

} // namespace traxo
