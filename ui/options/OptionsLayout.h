#pragma once
// The options dialog's controls as one table of the kit: what each is, on which page it lies,
// where (in 96-DPI units of the dialog's client area) and which texts it carries.

#include "platform/CoreTypes.h"
#include "ui/kit/ControlTable.h"
#include "ui/options/OptionsModel.h"
#include "ui/options/OptionsTexts.h"

#include <optional>
#include <span>
#include <vector>

namespace traxo {

inline constexpr int kOptionsClientWidth = 602;
inline constexpr int kOptionsClientHeight = 481;

// All is the kit's every page.
enum class OptionsPage { All = kEveryPage, Anywhere, Exclusion, KnownApps, General };

// Child window identifiers are 1000 + the position in the table.
enum class OptionsControl {
    PageControl1,
    lblAnywhere,
    Shape1,
    listviewMethods,
    chkTrail,
    panelTail,
    btnTrail,
    chkFast,
    lblInfo5,
    chkShowInfo,
    lblInfo2,
    chkMouseExMode,
    chkTimeout,
    lblInfo6,
    lblInfo7,
    trackIdle,
    lblIdleValue,
    lblDisableProgs,
    lblInfo3,
    Shape2,
    lstExclude,
    btnBrowse,
    btnRemove,
    lblLast10,
    lblInfo4,
    lstRecent,
    btnExclude,
    chkRecent,
    lblKnownProgs,
    lblIfThere,
    lstKnownApps,
    btnBrowse_2,
    btnRemove_2,
    btnOpenList,
    btnSaveList,
    btnReloadApp,
    lblLast10_2,
    lblInfo4_2,
    lstRecent2,
    btnAddKnownApp,
    chkRecent2,
    chkAutoStart,
    chkAutoCheck,
    chkPrecise,
    lblLanguage,
    comboLang,
    btnCheckNow,
    btnOK,
    btnCancel,
    Count
};

inline constexpr std::size_t kOptionsControlCount = static_cast<std::size_t>(OptionsControl::Count);
inline constexpr int kFirstOptionsControlId = 1000;

// A row's page is an OptionsPage; every row lies in the dialog's client area.
using OptionsRow = ControlRow<OptionsControl>;

// The table, row i for control i.
const std::vector<OptionsRow>& OptionsLayoutTable();

const OptionsRow& SpecOf(OptionsControl id);

using PlacedOptionsControl = PlacedControl<OptionsControl>;
std::vector<PlacedOptionsControl> PlaceOptionsControls(DpiScale scale, Language language);
constexpr int ControlIdOf(OptionsControl id) {
    return kFirstOptionsControlId + static_cast<int>(id);
}
std::optional<OptionsControl> ControlOfId(int controlId);

// The pages the tab control offers in a view, in order.
std::span<const OptionsPage> PagesOf(OptionsView view);
std::optional<OptionsText> PageTitle(OptionsPage page);

// Whether the control is shown in this view with this page selected (before the dialog's own
// rules hide some, such as btnCheckNow and btnReloadApp).
bool ShownOnPage(const OptionsRow& row, OptionsView view, OptionsPage selected);

} // namespace traxo
