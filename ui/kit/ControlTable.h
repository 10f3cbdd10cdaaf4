#pragma once
// A window's controls as one table: what each control is, in which panel and on which page it
// lies, where (96-DPI units in its parent), which text of the window's text table it carries and
// how it looks. One builder turns a table into placed controls for a DPI and a language; the
// windows create and re-place what it returns and never place a control by hand.

#include "controls/DynamicLook.h"
#include "platform/DpiScale.h"
#include "platform/Language.h"
#include "platform/TextTable.h"

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace traxo {

enum class ControlKind {
    // Painted by the window itself.
    Panel,   // an area in the row's background colour
    Shape,   // a filled shape
    Icon,    // the program icon
    Picture, // a picture
    Label,   // text in the row's look
    // The animated controls, drawn in the row's look.
    DynamicButton,
    DynamicOpaqueButton,
    DynamicLabel,
    DynamicFrame,
    // The main window's own.
    MotionList, // the owner-drawn motion list
    Pad,        // the recording pad
    // Standard controls, with the row's style bits added to the kind's own.
    Static,
    Button,
    CheckBox,
    Edit,
    HotKey,
    ListBox,
    DropDown,
    ListView,
    PageControl,
    TrackBar,
    Frame,        // an owner-drawn outline around a list
    Swatch,       // an owner-drawn colour swatch
    MethodList,   // a report list of pictures with captions
    KnownAppList, // an editable report list
};

// A text of some window's text table; none when it names no table.
struct TextRef {
    const TextTable* table = nullptr;
    std::size_t id = 0;

    constexpr TextRef() = default;
    template <typename Id>
    requires std::is_enum_v<Id> TextRef(Id textId)
        : table(&TextTableOf(textId)), id(static_cast<std::size_t>(textId)) {}

    bool Empty() const { return table == nullptr; }
    std::u16string_view In(Language language) const {
        return table != nullptr ? TextIn(*table, id, language) : std::u16string_view{};
    }
};

// Page 0 holds the controls every page shows.
inline constexpr int kEveryPage = 0;

// One control. Id is the window's control enum.
template <typename Id> struct ControlRow {
    ControlRow(Id rowId, std::string_view rowName, ControlKind rowKind, std::optional<Id> rowParent,
               int rowPage, Rect rowPlace, TextRef rowText = {},
               std::optional<DynamicLook> rowLook = std::nullopt,
               Colour rowBackground = kColourNone, std::uint32_t rowStyle = 0, TextRef rowHint = {},
               std::uint32_t rowExStyle = 0)
        : id(rowId), name(rowName), kind(rowKind), parent(rowParent), page(rowPage),
          place(rowPlace), text(rowText), look(std::move(rowLook)), background(rowBackground),
          style(rowStyle), hint(rowHint), exStyle(rowExStyle) {}

    Id id;
    std::string_view name;
    ControlKind kind;
    std::optional<Id> parent; // none: the window's client area
    int page = kEveryPage;
    Rect place; // left, top, right, bottom in the parent, 96-DPI units
    TextRef text;
    std::optional<DynamicLook> look; // 96-DPI units
    Colour background = kColourNone; // panels and painted labels
    std::uint32_t style = 0;         // Win32 style bits beyond the kind's own
    TextRef hint;                    // a tooltip
    std::uint32_t exStyle = 0;       // Win32 extended style bits beyond the kind's own
};

// A control ready to create: scaled, its place also in client coordinates, its texts in the
// chosen language and its look scaled.
template <typename Id> struct PlacedControl {
    Id id;
    std::string_view name;
    ControlKind kind;
    std::optional<Id> parent;
    int page;
    Rect place;  // in the parent
    Rect client; // in the window's client area
    std::u16string text;
    std::optional<DynamicLook> look;
    Colour background;
    std::uint32_t style;
    std::u16string hint;
    std::uint32_t exStyle;
};

// The look's lengths at the scale; its colours, times and glyph stay as they are.
DynamicLook ScaledLook(DynamicLook look, DpiScale scale);

// Whether a control on `page` shows while `selected` is the page shown.
constexpr bool ShownOnPage(int page, int selected) {
    return page == kEveryPage || page == selected;
}

template <typename Id>
const PlacedControl<Id>& Find(const std::vector<PlacedControl<Id>>& placed, Id id) {
    for (const PlacedControl<Id>& control : placed) {
        if (control.id == id) {
            return control;
        }
    }
    throw std::out_of_range("control not in the window's table");
}

// The table placed at the scale in the language. Parents come before their children. Every edge
// is scaled from its place in the whole window, so that an edge shared by a panel and its child
// stays shared at any scale.
template <typename Id>
std::vector<PlacedControl<Id>> PlaceControls(std::span<const ControlRow<Id>> table, DpiScale scale,
                                             Language language) {
    std::vector<PlacedControl<Id>> placed;
    std::vector<Rect> unscaled; // each placed control's rectangle in the client area, in units
    placed.reserve(table.size());
    unscaled.reserve(table.size());
    for (const ControlRow<Id>& row : table) {
        Rect absolute = row.place;
        Rect parentClient{};
        if (row.parent) {
            const PlacedControl<Id>& parent = Find(placed, *row.parent);
            const Rect origin = unscaled[static_cast<std::size_t>(&parent - placed.data())];
            absolute = {row.place.left + origin.left, row.place.top + origin.top,
                        row.place.right + origin.left, row.place.bottom + origin.top};
            parentClient = parent.client;
        }
        const Rect client = scale(absolute);
        placed.push_back({row.id,
                          row.name,
                          row.kind,
                          row.parent,
                          row.page,
                          {client.left - parentClient.left, client.top - parentClient.top,
                           client.right - parentClient.left, client.bottom - parentClient.top},
                          client,
                          std::u16string(row.text.In(language)),
                          row.look ? std::optional(ScaledLook(*row.look, scale)) : std::nullopt,
                          row.background,
                          row.style,
                          std::u16string(row.hint.In(language)),
                          row.exStyle});
        unscaled.push_back(absolute);
    }
    return placed;
}

} // namespace traxo
