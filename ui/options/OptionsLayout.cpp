#include "ui/options/OptionsLayout.h"

namespace traxo {
namespace {

using enum OptionsControl;
using enum OptionsControlKind;
using P = OptionsPage;
using T = OptionsText;

constexpr Rect At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

constexpr std::array<OptionsPage, 2> kOptionsPages{P::Anywhere, P::Exclusion};
constexpr std::array<OptionsPage, 1> kKnownProgramsPages{P::KnownApps};

} // namespace

const std::array<OptionsControlSpec, kOptionsControlCount> kOptionsLayout{{
    {PageControl1, u"PageControl1", PageControl, P::All, At(8, 8, 585, 382), {}, {}},
    // Drawing anywhere
    {lblAnywhere, u"lblAnywhere", Label, P::Anywhere, At(20, 40, 262, 16), T::LblAnywhere, {}},
    {Shape1, u"Shape1", Frame, P::Anywhere, At(20, 58, 262, 172), {}, {}},
    {listviewMethods, u"listviewMethods", MethodList, P::Anywhere, At(21, 59, 260, 170), {}, {}},
    {chkTrail, u"chkTrail", CheckBox, P::Anywhere, At(300, 40, 280, 18), T::ChkTrail, {}},
    {panelTail, u"panelTail", Swatch, P::Anywhere, At(300, 62, 25, 25), {}, {}},
    {btnTrail, u"btnTrail", Button, P::Anywhere, At(334, 62, 220, 25), T::BtnTrail, {}},
    {chkFast, u"chkFast", CheckBox, P::Anywhere, At(300, 96, 280, 30), T::ChkFast, {}},
    {lblInfo5, u"lblInfo5", Label, P::Anywhere, At(318, 126, 262, 30), T::LblInfo5, {}},
    {chkShowInfo, u"chkShowInfo", CheckBox, P::Anywhere, At(300, 160, 280, 30), T::ChkShowInfo, {}},
    {lblInfo2, u"lblInfo2", Label, P::Anywhere, At(318, 190, 262, 44), T::LblInfo2, {}},
    {chkMouseExMode,
     u"chkMouseExMode",
     CheckBox,
     P::Anywhere,
     At(300, 240, 280, 30),
     T::ChkMouseExMode,
     {}},
    {chkTimeout, u"chkTimeout", CheckBox, P::Anywhere, At(20, 276, 262, 18), T::ChkTimeout, {}},
    {lblInfo6, u"lblInfo6", Label, P::Anywhere, At(38, 296, 540, 44), T::LblInfo6, {}},
    {lblInfo7, u"lblInfo7", Label, P::Anywhere, At(38, 352, 110, 16), T::LblInfo7, {}},
    {trackIdle, u"trackIdle", TrackBar, P::Anywhere, At(150, 346, 300, 28), {}, {}},
    {lblIdleValue, u"lblIdleValue", Label, P::Anywhere, At(456, 352, 80, 16), {}, {}},
    // Excluded programs
    {lblDisableProgs,
     u"lblDisableProgs",
     Label,
     P::Exclusion,
     At(20, 40, 550, 16),
     T::LblDisableProgs,
     {}},
    {lblInfo3, u"lblInfo3", Label, P::Exclusion, At(20, 58, 550, 16), T::LblInfo3, {}},
    {Shape2, u"Shape2", Frame, P::Exclusion, At(20, 80, 402, 152), {}, {}},
    {lstExclude, u"lstExclude", ListBox, P::Exclusion, At(21, 81, 400, 150), {}, {}},
    {btnBrowse, u"btnBrowse", Button, P::Exclusion, At(432, 80, 146, 25), T::BtnBrowse, {}},
    {btnRemove, u"btnRemove", Button, P::Exclusion, At(432, 110, 146, 25), T::BtnRemove,
     T::BtnRemoveHint},
    {lblLast10, u"lblLast10", Label, P::Exclusion, At(20, 248, 550, 16), T::LblLast10, {}},
    {lblInfo4, u"lblInfo4", Label, P::Exclusion, At(20, 266, 550, 16), T::LblInfo4, {}},
    {lstRecent, u"lstRecent", DropDown, P::Exclusion, At(20, 288, 402, 200), {}, {}},
    {btnExclude, u"btnExclude", Button, P::Exclusion, At(432, 286, 146, 25), T::BtnExclude,
     T::BtnExcludeHint},
    {chkRecent, u"chkRecent", CheckBox, P::Exclusion, At(20, 320, 400, 18), T::ChkRecent,
     T::ChkRecentHint},
    // Known programs
    {lblKnownProgs,
     u"lblKnownProgs",
     Label,
     P::KnownApps,
     At(20, 40, 550, 16),
     T::LblKnownProgs,
     {}},
    {lblIfThere, u"lblIfThere", Label, P::KnownApps, At(20, 58, 550, 16), T::LblIfThere, {}},
    {lstKnownApps, u"lstKnownApps", KnownAppList, P::KnownApps, At(20, 80, 444, 152), {}, {}},
    {btnBrowse_2, u"btnBrowse_2", Button, P::KnownApps, At(474, 80, 104, 25), T::BtnBrowse, {}},
    {btnRemove_2, u"btnRemove_2", Button, P::KnownApps, At(474, 110, 104, 25), T::BtnRemove,
     T::BtnRemoveHint},
    {btnOpenList, u"btnOpenList", Button, P::KnownApps, At(474, 176, 104, 25), T::BtnOpenList, {}},
    {btnSaveList, u"btnSaveList", Button, P::KnownApps, At(474, 206, 104, 25), T::BtnSaveList, {}},
    {btnReloadApp, u"btnReloadApp", Button, P::KnownApps, At(0, 0, 16, 16), {}, {}},
    {lblLast10_2, u"lblLast10_2", Label, P::KnownApps, At(20, 248, 550, 16), T::LblLast10, {}},
    {lblInfo4_2, u"lblInfo4_2", Label, P::KnownApps, At(20, 266, 550, 16), T::LblInfo4, {}},
    {lstRecent2, u"lstRecent2", DropDown, P::KnownApps, At(20, 288, 444, 200), {}, {}},
    {btnAddKnownApp,
     u"btnAddKnownApp",
     Button,
     P::KnownApps,
     At(474, 286, 104, 25),
     T::BtnAddKnownApp,
     {}},
    {chkRecent2, u"chkRecent2", CheckBox, P::KnownApps, At(20, 320, 400, 18), T::ChkRecent,
     T::ChkRecentHint},
    // General panel (panelGeneral at 8, 394, 441 by 80)
    {chkAutoStart,
     u"chkAutoStart",
     CheckBox,
     P::General,
     At(14, 400, 200, 18),
     T::ChkAutoStart,
     {}},
    {chkAutoCheck,
     u"chkAutoCheck",
     CheckBox,
     P::General,
     At(14, 426, 200, 18),
     T::ChkAutoCheck,
     {}},
    {chkPrecise, u"chkPrecise", CheckBox, P::General, At(14, 452, 430, 18), T::ChkPrecise, {}},
    {lblLanguage, u"lblLanguage", Label, P::General, At(222, 403, 70, 16), T::LblLanguage, {}},
    {comboLang, u"comboLang", DropDown, P::General, At(294, 400, 150, 120), {}, {}},
    {btnCheckNow, u"btnCheckNow", Button, P::General, At(222, 424, 222, 24), T::BtnCheckNow, {}},
    // Buttons
    {btnOK, u"btnOK", OpaqueButton, P::All, At(535, 421, 58, 26), T::BtnOK, {}},
    {btnCancel, u"btnCancel", OpaqueButton, P::All, At(475, 421, 58, 26), T::BtnCancel, {}},
}};

const OptionsControlSpec& SpecOf(OptionsControl id) {
    return kOptionsLayout[static_cast<std::size_t>(id)];
}

std::optional<OptionsControl> ControlOfId(int controlId) {
    const int index = controlId - kFirstOptionsControlId;
    if (index < 0 || index >= static_cast<int>(kOptionsControlCount)) {
        return std::nullopt;
    }
    return static_cast<OptionsControl>(index);
}

std::span<const OptionsPage> PagesOf(OptionsView view) {
    if (view == OptionsView::KnownPrograms) {
        return kKnownProgramsPages;
    }
    return kOptionsPages;
}

std::optional<OptionsText> PageTitle(OptionsPage page) {
    switch (page) {
    case P::Anywhere:
        return T::TabAnywhere;
    case P::Exclusion:
        return T::TabExclusion;
    case P::KnownApps:
        return T::TabKnownApps;
    default:
        return std::nullopt;
    }
}

bool ShownOnPage(const OptionsControlSpec& spec, OptionsView view, OptionsPage selected) {
    switch (spec.page) {
    case P::All:
        return true;
    case P::General:
        return view == OptionsView::Options;
    default:
        return spec.page == selected;
    }
}

} // namespace traxo
