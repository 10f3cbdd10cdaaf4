#include "ui/options/OptionsTexts.h"

#include <algorithm>
#include <string>

namespace traxo {

using enum OptionsText;

namespace {

constexpr TextRow kOptionsTexts[]{
    {Caption, u"Options", u"选项"},
    {TabAnywhere, u"Drawing anywhere", u"全屏幕有效"},
    {LblAnywhere, u"Gestures anywhere when I:", u"方法："},
    {Mode0, u"press Ctrl+Shift and move mouse", u"同时按 Ctrl+Shift并移动鼠标"},
    {Mode1, u"hold right button and drag mouse", u"按住鼠标右键并拖动"},
    {Mode2, u"press Ctrl and drag with right button", u"按Ctrl和鼠标右键并拖动"},
    {Mode3, u"hold middle button and drag mouse", u"按住鼠标中键并移动鼠标"},
    {Mode4, u"press Ctrl and drag with middle button", u"按住Ctrl和鼠标中键并移动鼠标"},
    {ChkTrail, u"Show gesture trail", u"显示/隐藏轨迹"},
    {BtnTrail, u"Change gesture trail colour...", u"修改手势轨迹的颜色……"},
    {ChkFast, u"Fast trails (better performance, but parts may disappear)",
     u"快速轨迹（提高性能，但部分会消失）"},
    {LblInfo5, u"Recommended for Vista if you're using the Aero interface",
     u"推荐使用在Vista的Aero主题下"},
    {ChkShowInfo, u"Show information about recognised or unrecognised gestures",
     u"显示关于“匹配手势”或“不匹配手势”的信息"},
    {LblInfo2,
     u"If ticked (default), a message pops up in the bottom-right corner when you draw a gesture.",
     u"如果选中（默认），绘制手势的同时会在屏幕右下角弹出提示信息。"},
    {ChkTimeout, u"Enable timeout", u"超时时间"},
    {LblInfo6,
     u"If ticked, Traxo ignores the gesture if you don't move the cursor soon after pressing the "
     u"chosen button. Tick this if you like to drag in other programs with the same button you "
     u"use for gestures.",
     u"按下指定按钮后不马上移动指针，Traxo会忽略掉鼠标手势。如果你想在其他程序中使用相同的按钮进行"
     u"拖拽操作，请打开此选项。"},
    {LblInfo7, u"Timeout period:", u"超时时间："},
    {ChkMouseExMode, u"Ignore gesture if Ctrl, Alt or Shift keys are down",
     u"若按下Ctrl, Alt 或者Shift键忽视鼠标手势"},
    {TabExclusion, u"Excluded programs", u"排除的程序"},
    {LblDisableProgs, u"Temporarily disable Traxo when I'm running these programs:",
     u"当我运行下列程序时临时禁用Traxo："},
    {LblInfo3,
     u"Does the way you use the mouse in another program interfere with Traxo? Add it here.",
     u"如果你在运行其他程序的时候使用鼠标与Traxo冲突？在这里添加这些程序。"},
    {BtnBrowse, u"Browse...", u"浏览……"},
    {BtnRemove, u"Remove selected", u"移除"},
    {BtnRemoveHint,
     u"If the selected program works well with Traxo's \"gestures anywhere\" feature, remove it "
     u"from the list.",
     u""}, // cleared in Chinese: the remove buttons show no hint there
    {LblLast10, u"10 programs you used recently:", u"你最近使用过的10个程序："},
    {LblInfo4, u"Tip: ALT+TAB to a program now and you'll see it appear in this list.",
     u"提示：使用ALT+TAB将正在运行的程序加入到这里。"},
    {BtnExclude, u"Exclude selected", u"排除程序"},
    {BtnExcludeHint,
     u"Add the selected program to the list of applications to exclude from Traxo's \"gestures "
     u"anywhere\" capability.",
     u"将所选程序加入排除列表，在其中停用Traxo的“全屏幕有效”功能。"},
    {ChkRecent, u"Keep this list updated", u"始终更新此列表"},
    {ChkRecentHint,
     u"This list helps you choose programs to exclude. If you share the computer, you may want "
     u"to disable it for privacy.",
     u"这个列表帮助你选择需要排除的程序。如果你共享了计算机，为了保护隐私，请禁用此功能。"},
    {TabKnownApps, u"Known programs", u"已知程序"},
    {LblKnownProgs, u"Known programs (saved in this set):", u"已知程序（按组保存）："},
    {LblIfThere,
     u"If there are specific programs in which you want to use gestures differently, add them.",
     u"如果你想为指定程序添加特定手势，请添加此程序到这个列表中。"},
    {BtnOpenList, u"Open list...", u"打开列表…"},
    {BtnSaveList, u"Save list...", u"保存列表…"},
    {BtnAddKnownApp, u"Add selected", u"添加所选程序"},
    {ColumnTitle, u"Title", u"程序"},
    {ColumnPath, u"Path", u"路径"},
    {NewProgramTitle, u"Enter a name for this program", u"输入这个程序的名称"},
    {MarkedRow, u"(will be deleted when you click \"OK\")", u"点击“好”后删除程序。"},
    {ChkAutoStart, u"Run Traxo on startup", u"登录到Windows时启动Traxo"},
    {LblLanguage, u"Language:", u"语言："},
    {ChkAutoCheck, u"Check updates automatically", u"自动更新"},
    {ChkPrecise, u"Precise recognition (forgives wobbly gestures)", u"精确识别（容忍抖动的手势）"},
    {BtnCheckNow, u"Check for updates now", u"检查更新"},
    {BtnOK, u"OK", u"好"},
    {BtnCancel, u"Cancel", u"取消"},
    {DeleteAppInstruction, u"Are you sure you want to remove this application?",
     u"确定要移除这个程序？"},
    {DeleteAppCount, u"Number of gestures affected: #", u"手势数量：#"},
    {ButtonYes, u"Yes", u"是"},
    {ButtonNo, u"No", u"否"},
    {ButtonOK, u"OK", u"好"},
    {LatestVersion, u"You have the latest version.", u"已经是最新版本。"},
    {AlreadyAdded, u"You already added this application.", u"你已经添加了这个程序"},
    {KnownAppsFull, u"A set holds at most 201 programs: remove one before you add another.",
     u"每组最多保存201个程序：请先移除一个程序再添加。"},
    {ListNotReadable, u"The list file could not be read. The list of programs is unchanged.",
     u"无法读取列表文件。程序列表未改变。"},
    {ListNotUnicode,
     u"This file is not a Unicode program list (title and path lines in pairs). The list of "
     u"programs is unchanged.",
     u"这个文件不是Unicode程序列表（标题行和路径行成对）。程序列表未改变。"},
    {ListNotWritable, u"The list file could not be written.", u"无法写入列表文件。"},
    {ApplicationFilter, u"Applications|*.exe;*.bat;*.com", u"应用程序|*.exe;*.bat;*.com"},
    {ListFilter, u"Traxo Application Lists|*.txt|All Files|*.*",
     u"Traxo程序列表|*.txt|所有文件|*.*"},
    {Seconds, u"# s", u"# 秒"},
};

} // namespace

const TextTable& TextTableOf(OptionsText) {
    static constexpr TextTable table{"options", kOptionsTexts, kOptionsTextCount};
    return table;
}

std::u16string_view OptionsString(OptionsText id, Language language) {
    return Text(id, language);
}

std::u16string_view TriggerModeText(int mode, Language language) {
    if (mode < 0 || mode > 4) {
        return {};
    }
    return OptionsString(static_cast<OptionsText>(static_cast<std::size_t>(Mode0) + mode),
                         language);
}

std::u16string GesturesAffectedText(int count, Language language) {
    const std::string digits = std::to_string(count);
    return TextWith(Text(DeleteAppCount, language), std::u16string(digits.begin(), digits.end()));
}

std::u16string IdleTimeoutText(int polls, Language language) {
    const int tenths = (std::max(polls, 0) + 5) / 10;
    std::u16string number;
    for (const char c : std::to_string(tenths / 10) + "." + std::to_string(tenths % 10)) {
        number += static_cast<char16_t>(c);
    }
    return TextWith(OptionsString(OptionsText::Seconds, language), number);
}

} // namespace traxo
