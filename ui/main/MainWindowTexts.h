#pragma once
// Every text of the main window: its controls' captions (which the layout table names), its task
// dialogs, menus, the tray balloon and the few words other windows borrow from it, English and
// Simplified Chinese side by side.

#include "platform/TextTable.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace traxo {

enum class MainText : std::size_t {
    ActiveCaption,
    InactiveCaption,
    StatusTesting,
    StatusRecording,
    HelpMenuHelp,
    HelpMenuDonate,
    HelpMenuTutorial,
    DialogTitle,
    SaveQuestion,
    AnswerYes,
    AnswerNo,
    AnswerCancel,
    AnswerOk,
    ActivatedTitle,
    ActivatedContent,
    AutostartQuestion,
    TutorialQuestion,
    LanguageInstruction,
    LanguageContent,
    BalloonTitle,
    BalloonText,
    OpenActionTitle,
    AllProgramsWord,
    NoSetLoaded,
    SaveFailed, // followed by the file name
    HideCaption,
    NewSetCaption,
    LoadSetCaption,
    SaveSetCaption,
    SaveAsCaption,
    OptionsCaption,
    HelpCaption,
    ExitCaption,
    AboutCaption,
    GestureSetTab,
    ConfigurePrograms,
    CreateGesture,
    DeleteGesture,
    RecordAgain,
    // What a screen reader is told: a button's default action, the list's and the pad's names
    // and a row of the list ("#" the gesture's number, then its action as the row shows it).
    PressAction,
    MotionListName,
    PadName,
    MotionRowName,
    Count,
    // Put together from the product's version and credit, so not in the table.
    VersionLabel,
    AboutTitle,
};

inline constexpr std::size_t kMainTextCount = static_cast<std::size_t>(MainText::Count);

const TextTable& TextTableOf(MainText);

// The text in language 1 (Chinese) or otherwise English.
std::u16string MainWindowText(MainText text, Language language);

// The caption's file label: a "*" follows the file name while the set has unsaved changes.
std::u16string FileLabelCaption(std::u16string_view fileLabel, bool hasFile, bool modified);

} // namespace traxo
