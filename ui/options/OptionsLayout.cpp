#include "ui/options/OptionsLayout.h"

#include <array>

namespace traxo {
namespace {

using enum OptionsControl;
using enum ControlKind;
using P = OptionsPage;
using T = OptionsText;

constexpr Rect At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

constexpr std::array<OptionsPage, 2> kOptionsPages{P::Anywhere, P::Exclusion};
constexpr std::array<OptionsPage, 1> kKnownProgramsPages{P::KnownApps};

// A row of the table: the page as the kit counts pages.
OptionsRow Row(OptionsControl id, std::string_view name, ControlKind kind, OptionsPage page,
               Rect place, TextRef text = {}, TextRef hint = {}) {
    return {id,           name,        kind, std::nullopt, static_cast<int>(page), place, text,
            std::nullopt, kColourNone, 0,    hint};
}

std::vector<OptionsRow> MakeTable() {
    return {
        Row(PageControl1, "PageControl1", PageControl, P::All, At(8, 8, 585, 382)),
        // Drawing anywhere
        Row(lblAnywhere, "lblAnywhere", Static, P::Anywhere, At(20, 40, 262, 16), T::LblAnywhere),
        Row(Shape1, "Shape1", Frame, P::Anywhere, At(20, 58, 262, 172)),
        Row(listviewMethods, "listviewMethods", MethodList, P::Anywhere, At(21, 59, 260, 170)),
        Row(chkTrail, "chkTrail", CheckBox, P::Anywhere, At(300, 40, 280, 18), T::ChkTrail),
        Row(panelTail, "panelTail", Swatch, P::Anywhere, At(300, 62, 25, 25)),
        Row(btnTrail, "btnTrail", Button, P::Anywhere, At(334, 62, 220, 25), T::BtnTrail),
        Row(chkFast, "chkFast", CheckBox, P::Anywhere, At(300, 96, 280, 30), T::ChkFast),
        Row(lblInfo5, "lblInfo5", Static, P::Anywhere, At(318, 126, 262, 30), T::LblInfo5),
        Row(chkShowInfo, "chkShowInfo", CheckBox, P::Anywhere, At(300, 160, 280, 30),
            T::ChkShowInfo),
        Row(lblInfo2, "lblInfo2", Static, P::Anywhere, At(318, 190, 262, 44), T::LblInfo2),
        Row(chkMouseExMode, "chkMouseExMode", CheckBox, P::Anywhere, At(300, 240, 280, 30),
            T::ChkMouseExMode),
        Row(chkTimeout, "chkTimeout", CheckBox, P::Anywhere, At(20, 276, 262, 18), T::ChkTimeout),
        Row(lblInfo6, "lblInfo6", Static, P::Anywhere, At(38, 296, 540, 44), T::LblInfo6),
        Row(lblInfo7, "lblInfo7", Static, P::Anywhere, At(38, 352, 110, 16), T::LblInfo7),
        Row(trackIdle, "trackIdle", TrackBar, P::Anywhere, At(150, 346, 300, 28)),
        Row(lblIdleValue, "lblIdleValue", Static, P::Anywhere, At(456, 352, 80, 16)),
        // Excluded programs
        Row(lblDisableProgs, "lblDisableProgs", Static, P::Exclusion, At(20, 40, 550, 16),
            T::LblDisableProgs),
        Row(lblInfo3, "lblInfo3", Static, P::Exclusion, At(20, 58, 550, 16), T::LblInfo3),
        Row(Shape2, "Shape2", Frame, P::Exclusion, At(20, 80, 402, 152)),
        Row(lstExclude, "lstExclude", ListBox, P::Exclusion, At(21, 81, 400, 150)),
        Row(btnBrowse, "btnBrowse", Button, P::Exclusion, At(432, 80, 146, 25), T::BtnBrowse),
        Row(btnRemove, "btnRemove", Button, P::Exclusion, At(432, 110, 146, 25), T::BtnRemove,
            T::BtnRemoveHint),
        Row(lblLast10, "lblLast10", Static, P::Exclusion, At(20, 248, 550, 16), T::LblLast10),
        Row(lblInfo4, "lblInfo4", Static, P::Exclusion, At(20, 266, 550, 16), T::LblInfo4),
        Row(lstRecent, "lstRecent", DropDown, P::Exclusion, At(20, 288, 402, 200)),
        Row(btnExclude, "btnExclude", Button, P::Exclusion, At(432, 286, 146, 25), T::BtnExclude,
            T::BtnExcludeHint),
        Row(chkRecent, "chkRecent", CheckBox, P::Exclusion, At(20, 320, 400, 18), T::ChkRecent,
            T::ChkRecentHint),
        // Known programs
        Row(lblKnownProgs, "lblKnownProgs", Static, P::KnownApps, At(20, 40, 550, 16),
            T::LblKnownProgs),
        Row(lblIfThere, "lblIfThere", Static, P::KnownApps, At(20, 58, 550, 16), T::LblIfThere),
        Row(lstKnownApps, "lstKnownApps", KnownAppList, P::KnownApps, At(20, 80, 444, 152)),
        Row(btnBrowse_2, "btnBrowse_2", Button, P::KnownApps, At(474, 80, 104, 25), T::BtnBrowse),
        Row(btnRemove_2, "btnRemove_2", Button, P::KnownApps, At(474, 110, 104, 25), T::BtnRemove,
            T::BtnRemoveHint),
        Row(btnOpenList, "btnOpenList", Button, P::KnownApps, At(474, 176, 104, 25),
            T::BtnOpenList),
        Row(btnSaveList, "btnSaveList", Button, P::KnownApps, At(474, 206, 104, 25),
            T::BtnSaveList),
        Row(btnReloadApp, "btnReloadApp", Button, P::KnownApps, At(0, 0, 16, 16)),
        Row(lblLast10_2, "lblLast10_2", Static, P::KnownApps, At(20, 248, 550, 16), T::LblLast10),
        Row(lblInfo4_2, "lblInfo4_2", Static, P::KnownApps, At(20, 266, 550, 16), T::LblInfo4),
        Row(lstRecent2, "lstRecent2", DropDown, P::KnownApps, At(20, 288, 444, 200)),
        Row(btnAddKnownApp, "btnAddKnownApp", Button, P::KnownApps, At(474, 286, 104, 25),
            T::BtnAddKnownApp),
        Row(chkRecent2, "chkRecent2", CheckBox, P::KnownApps, At(20, 320, 400, 18), T::ChkRecent,
            T::ChkRecentHint),
        // General panel (panelGeneral at 8, 394, 441 by 80)
        Row(chkAutoStart, "chkAutoStart", CheckBox, P::General, At(14, 400, 200, 18),
            T::ChkAutoStart),
        Row(chkAutoCheck, "chkAutoCheck", CheckBox, P::General, At(14, 426, 200, 18),
            T::ChkAutoCheck),
        Row(chkPrecise, "chkPrecise", CheckBox, P::General, At(14, 452, 430, 18), T::ChkPrecise),
        Row(lblLanguage, "lblLanguage", Static, P::General, At(222, 403, 70, 16), T::LblLanguage),
        Row(comboLang, "comboLang", DropDown, P::General, At(294, 400, 150, 120)),
        Row(btnCheckNow, "btnCheckNow", Button, P::General, At(222, 424, 222, 24), T::BtnCheckNow),
        // Buttons
        Row(btnOK, "btnOK", DynamicOpaqueButton, P::All, At(535, 421, 58, 26), T::BtnOK),
        Row(btnCancel, "btnCancel", DynamicOpaqueButton, P::All, At(475, 421, 58, 26),
            T::BtnCancel),
    };
}

} // namespace

const std::vector<OptionsRow>& OptionsLayoutTable() {
    static const std::vector<OptionsRow> table = MakeTable();
    return table;
}

const OptionsRow& SpecOf(OptionsControl id) {
    return OptionsLayoutTable()[static_cast<std::size_t>(id)];
}

std::vector<PlacedOptionsControl> PlaceOptionsControls(DpiScale scale, Language language) {
    return PlaceControls(std::span<const OptionsRow>(OptionsLayoutTable()), scale, language);
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

bool ShownOnPage(const OptionsRow& row, OptionsView view, OptionsPage selected) {
    // The general panel lies under the pages, in the options view only.
    if (row.page == static_cast<int>(P::General)) {
        return view == OptionsView::Options;
    }
    return ShownOnPage(row.page, static_cast<int>(selected));
}

} // namespace traxo
