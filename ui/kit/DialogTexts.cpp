#include "ui/kit/DialogTexts.h"

namespace traxo {

using enum DialogText;

namespace {

constexpr TextRow kDialogTexts[]{
    {ButtonOk, {u"OK", u"好"}},
    {ButtonCancel, {u"Cancel", u"取消"}},
    {MessageTitle, {u"Traxo", u"Traxo"}},
    {AssignCaption, {u"Assign action", u"指定动作"}},
    {AssignInfo1,
     {u"You can choose different actions for different programs.",
      u"你可以为不同的程序选择不同的动作。"}},
    {AssignInfo2,
     {u"Actions assigned to \"all programs\" will work everywhere in Windows, including "
      u"programs not in this list.",
      u"指定到“所有程序”的动作可以在Windows下有效，包括不在此列表中的程序。"}},
    {AssignInfo3,
     {u"To add applications to this list, click \"Configure programs...\" in the "
      u"main window.",
      u"点击主窗口的“配置程序…”按钮，添加程序到已知程序列表。"}},
    {AssignRulesDropped,
     {u"# program actions could not be kept: a gesture holds at most 101.",
      u"有 # 个程序的动作无法保存：一个手势最多只能有 101 个程序动作。"}},
    {WebsiteCaption, {u"Website", u"网站"}},
    {WebsitePrompt, {u"Enter a web address:", u"输入一个网址："}},
    {KeyComboCaption, {u"Key combination", u"组合键"}},
    {KeyComboSpecialKeys, {u"Special keys:", u"特殊键："}},
    {KeyComboOtherKey, {u"Letter, number or other key:", u"字母，数字或其它键："}},
    {KeyComboReserved,
     {u"Note: some combinations are reserved by Windows and won't work as expected.",
      u"注意：有些组合键被Windows保留，无法使用。"}},
    {KeystrokesCaption, {u"Keystrokes", u"按键"}},
    {KeystrokesLabel1,
     {u"This gesture will send the following keystrokes to the active application:",
      u"这个手势将向激活的程序发送下列按键操作："}},
    {KeystrokesLabel2,
     {u"To use special keys, surround one of the following with curly braces {}:",
      u"如果要使用以下按键，请用大括号{}括起来："}},
    // Key names are words of the keystroke language: the same in both languages.
    {KeystrokesKeyNames,
     {u"tab, enter, backspace, capslock, numlock, clear, delete, up, down, left, right, home, "
      u"end, esc, f1-f12, pgup, pgdown, prtsc, ins",
      u"tab, enter, backspace, capslock, numlock, clear, delete, up, down, left, right, home, "
      u"end, esc, f1-f12, pgup, pgdown, prtsc, ins"}},
    {KeystrokesLabel3,
     {u"For modifier keys, enclose with:", u"如果要使用以下按键，请用中括号[]括起来："}},
    {KeystrokesModifiers,
     {u" [shift: ... ], [ctrl: ... ], [alt: ... ]", u" [shift: ... ], [ctrl: ... ], [alt: ... ]"}},
    {KeystrokesLabel4,
     {u"To use {, }, [ and ] as normal text, insert a backslash \\ before them. To use the "
      u"backslash as text, double it: \\\\.",
      u"如果要使用{，}，[和]，请在前面加斜杠\\。如果要使用斜杠\\，请用两个\\\\代替。"}},
    {KeystrokesLabel5, {u"Double-click to test", u"双击测试"}},
    {KeystrokesTest, {u"Test", u"测试"}},
    {KeystrokesClear, {u"Clear", u"清除"}},
    {KeystrokesShowExamples, {u"Show examples", u"显示示例"}},
    {KeystrokesHideExamples, {u"Hide examples", u"隐藏示例"}},
    {KeystrokesEdit, {u"Edit", u"修改"}},
    {KeystrokesSaveAnyway, {u"Save anyway", u"仍然保存"}},
    {ProgramCaption, {u"Launch program/file", u"程序"}},
    {ProgramFile, {u"Program (you can add parameters):", u"文件名 （你可以添加参数）："}},
    {ProgramFolder, {u"Working path:", u"当前目录："}},
    {ProgramBrowse, {u"...", u"..."}},
    {FolderChooserTitle, {u"Choose a folder", u"选择目录"}},
    {AboutCaption, {u"About", u"关于"}},
};

} // namespace

const TextTable& TextTableOf(DialogText) {
    static constexpr TextTable table{"dialogs", kDialogTexts, kDialogTextCount};
    return table;
}

std::u16string_view DialogString(DialogText id, Language language) {
    return Text(id, language);
}

std::u16string DialogStringWithCount(DialogText id, std::size_t count, Language language) {
    return TextWithCount(Text(id, language), count);
}

} // namespace traxo
