#pragma once
// Every text of the options dialog, English and Simplified Chinese side by side. TranslateMe
// walks this one table; nothing else in the dialog holds a literal the user reads.

#include "platform/TextTable.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace traxo {

enum class OptionsText : std::size_t {
    Caption,
    // "Drawing anywhere"
    TabAnywhere,
    LblAnywhere,
    Mode0,
    Mode1,
    Mode2,
    Mode3,
    Mode4,
    ChkTrail,
    BtnTrail,
    ChkFast,
    LblInfo5,
    ChkShowInfo,
    LblInfo2,
    ChkTimeout,
    LblInfo6,
    LblInfo7,
    ChkMouseExMode,
    // "Excluded programs"
    TabExclusion,
    LblDisableProgs,
    LblInfo3,
    BtnBrowse,
    BtnRemove,
    BtnRemoveHint,
    LblLast10,
    LblInfo4,
    BtnExclude,
    BtnExcludeHint,
    ChkRecent,
    ChkRecentHint,
    // "Known programs"
    TabKnownApps,
    LblKnownProgs,
    LblIfThere,
    BtnOpenList,
    BtnSaveList,
    BtnAddKnownApp,
    ColumnTitle,
    ColumnPath,
    NewProgramTitle,
    MarkedRow,
    // General panel and buttons
    ChkAutoStart,
    LblLanguage,
    ChkAutoCheck,
    ChkPrecise,
    BtnCheckNow,
    BtnOK,
    BtnCancel,
    // Message boxes and file dialogs
    DeleteAppInstruction,
    DeleteAppCount, // the first "#" is replaced by the number of rules
    ButtonYes,
    ButtonNo,
    ButtonOK,
    LatestVersion,
    AlreadyAdded,
    KnownAppsFull,
    ListNotReadable,
    ListNotUnicode,
    ListNotWritable,
    ApplicationFilter,
    ListFilter,
    Seconds, // the "#" is replaced by the number
    Count
};

inline constexpr std::size_t kOptionsTextCount = static_cast<std::size_t>(OptionsText::Count);

const TextTable& TextTableOf(OptionsText);

// The names of the languages, index = the `language` setting.
inline constexpr std::array<std::u16string_view, 2> kLanguageNames{u"English", u"中文（简体）"};

// The text in language 0 or 1; any other language gives the English text.
std::u16string_view OptionsString(OptionsText id, Language language);

// The caption of trigger mode 0 to 4 (the tutorial explains the modes with the same words).
std::u16string_view TriggerModeText(int mode, Language language);

// "Number of gestures affected: #" with its first "#" replaced by the count.
std::u16string GesturesAffectedText(int count, Language language);

// The timeout slider's value as a time: "1.5 s" for 150 polls, which come every 10 ms (the
// timer's shortest interval) while a gesture is captured.
std::u16string IdleTimeoutText(int polls, Language language);

} // namespace traxo
