#pragma once
// Every text of the smaller dialogs (the action editors, the web-address prompt, the about box),
// English and Simplified Chinese side by side. Their layouts take the texts from here by name;
// their TranslateMe sets whichever language is asked for.

#include "platform/TextTable.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace traxo {

enum class DialogText : std::size_t {
    // shared by every dialog
    ButtonOk,
    ButtonCancel,
    MessageTitle,
    // TfrmAssign
    AssignCaption,
    AssignInfo1,
    AssignInfo2,
    AssignInfo3,
    AssignRulesDropped, // "#" stands for the number of program actions left out
    WebsiteCaption,
    WebsitePrompt,
    // TfrmKeyCombo
    KeyComboCaption,
    KeyComboSpecialKeys,
    KeyComboOtherKey,
    KeyComboReserved,
    // TfrmKeystrokes
    KeystrokesCaption,
    KeystrokesLabel1,
    KeystrokesLabel2,
    KeystrokesKeyNames,
    KeystrokesLabel3,
    KeystrokesModifiers,
    KeystrokesLabel4,
    KeystrokesLabel5,
    KeystrokesTest,
    KeystrokesClear,
    KeystrokesShowExamples,
    KeystrokesHideExamples,
    KeystrokesEdit,
    KeystrokesSaveAnyway,
    // TfrmProgram
    ProgramCaption,
    ProgramFile,
    ProgramFolder,
    ProgramBrowse,
    FolderChooserTitle,
    // TfrmAbout
    AboutCaption,
    Count
};

inline constexpr std::size_t kDialogTextCount = static_cast<std::size_t>(DialogText::Count);

const TextTable& TextTableOf(DialogText);

// The text in language 1 (Chinese) or otherwise English.
std::u16string_view DialogString(DialogText id, Language language);
// The text with its "#" replaced by the count.
std::u16string DialogStringWithCount(DialogText id, std::size_t count, Language language);

} // namespace traxo
