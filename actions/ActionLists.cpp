#include "actions/ActionLists.h"

#include <algorithm>

namespace traxo {

constexpr std::array<ActionListRow, kActionListRowCount> kActionLists{{
    {0, u"[ Same as default ]", u"[与默认动作相同]"},
    {1, u"[ Do nothing ]", u"[无]"},
    {2, u"[ Program or file... ]", u"[程序……]"},
    {3, u"[ Folder... ]", u"[文件夹……]"},
    {4, u"[ Website... ]", u"[网站……]"},
    {5, u"[ Key combination... ]", u"[组合键……]"},
    {6, u"[ Keystrokes... ]", u"[按键……]"},
    {7, u"Traxo: disable", u"Traxo:禁用"},
    {8, u"Traxo: settings", u"Traxo:设置"},
    {9, u"Browser: back", u"浏览器:后退"},
    {10, u"Browser: forward", u"浏览器:前进"},
    {11, u"Browser: refresh", u"浏览器:刷新"},
    {12, u"Browser: home page", u"浏览器:回到首页"},
    {13, u"Browser: new tab", u"浏览器:新标签"},
    {14, u"Browser: next tab", u"浏览器:下一标签"},
    {15, u"Browser: previous tab", u"浏览器:上一个标签"},
    {16, u"Browser: close tab", u"浏览器:关闭标签"},
    {17, u"Media player: play/pause", u"媒体播放器:播放/暂停"},
    {18, u"Media player: previous track", u"媒体播放器:上一首"},
    {19, u"Media player: next track", u"媒体播放器:下一首"},
    {20, u"Media player: stop", u"媒体播放器:停止"},
    {21, u"Windows: My Computer", u"Windows:我的电脑"},
    {22, u"Windows: Start button", u"Windows:开始按钮"},
    {23, u"Windows: Run Program", u"Windows:运行"},
    {24, u"Windows: Search", u"Windows:搜索"},
    {25, u"Windows: Lock", u"Windows:锁定"},
    {26, u"Windows: Show Desktop", u"Windows:显示桌面"},
    {27, u"Windows: Explorer", u"Windows:资源管理器"},
    {28, u"Windows: Accessibility", u"Windows:辅助工具管理器"},
    {29, u"Special: help", u"特殊：帮助"},
    {30, u"Special: undo", u"特殊：撤销"},
    {31, u"Special: cut", u"特殊：剪切"},
    {32, u"Special: copy", u"特殊：拷贝"},
    {33, u"Special: paste", u"特殊：粘贴"},
    {34, u"Special: page up", u"特殊：上翻页"},
    {35, u"Special: page down", u"特殊：下翻页"},
    {36, u"Special: home", u"特殊：句首"},
    {37, u"Special: maximise window", u"特殊：最大化窗口"},
    {38, u"Special: minimise window", u"特殊：最小化窗口"},
    {39, u"Special: restore window", u"特殊：还原窗口"},
    {40, u"Special: close window", u"特殊：关闭窗口"},
}};

// Defined here, next to the rows, so that they are constants before any code runs.
const std::u16string_view sameAsDefaultText = kActionLists[kRowSameAsDefault].english;
const std::u16string_view doNothingText = kActionLists[kRowDoNothing].english;

const TextTable& TextTableOf(ActionListText) {
    static constexpr TextTable table{"action list", kActionLists, kActionListRowCount};
    return table;
}

std::optional<std::size_t> FindEnglishActionRow(std::u16string_view text) {
    const auto found =
        std::find_if(kActionLists.begin(), kActionLists.end(),
                     [text](const ActionListRow& row) { return row.english == text; });
    if (found == kActionLists.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kActionLists.begin());
}

} // namespace traxo
