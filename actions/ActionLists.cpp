#include "actions/ActionLists.h"

#include <algorithm>

namespace traxo {

constexpr std::array<ActionListRow, kActionListRowCount> kActionLists{{
    {u"[ Same as default ]", u"[与默认动作相同]"},           // 0
    {u"[ Do nothing ]", u"[无]"},                            // 1
    {u"[ Program or file... ]", u"[程序……]"},                // 2
    {u"[ Folder... ]", u"[文件夹……]"},                       // 3
    {u"[ Website... ]", u"[网站……]"},                        // 4
    {u"[ Key combination... ]", u"[组合键……]"},              // 5
    {u"[ Keystrokes... ]", u"[按键……]"},                     // 6
    {u"Traxo: disable", u"Traxo:禁用"},                      // 7
    {u"Traxo: settings", u"Traxo:设置"},                     // 8
    {u"Browser: back", u"浏览器:后退"},                      // 9
    {u"Browser: forward", u"浏览器:前进"},                   // 10
    {u"Browser: refresh", u"浏览器:刷新"},                   // 11
    {u"Browser: home page", u"浏览器:回到首页"},             // 12
    {u"Browser: new tab", u"浏览器:新标签"},                 // 13
    {u"Browser: next tab", u"浏览器:下一标签"},              // 14
    {u"Browser: previous tab", u"浏览器:上一个标签"},        // 15
    {u"Browser: close tab", u"浏览器:关闭标签"},             // 16
    {u"Media player: play/pause", u"媒体播放器:播放/暂停"},  // 17
    {u"Media player: previous track", u"媒体播放器:上一首"}, // 18
    {u"Media player: next track", u"媒体播放器:下一首"},     // 19
    {u"Media player: stop", u"媒体播放器:停止"},             // 20
    {u"Windows: My Computer", u"Windows:我的电脑"},          // 21
    {u"Windows: Start button", u"Windows:开始按钮"},         // 22
    {u"Windows: Run Program", u"Windows:运行"},              // 23
    {u"Windows: Search", u"Windows:搜索"},                   // 24
    {u"Windows: Lock", u"Windows:锁定"},                     // 25
    {u"Windows: Show Desktop", u"Windows:显示桌面"},         // 26
    {u"Windows: Explorer", u"Windows:资源管理器"},           // 27
    {u"Windows: Accessibility", u"Windows:辅助工具管理器"},  // 28
    {u"Special: help", u"特殊：帮助"},                       // 29
    {u"Special: undo", u"特殊：撤销"},                       // 30
    {u"Special: cut", u"特殊：剪切"},                        // 31
    {u"Special: copy", u"特殊：拷贝"},                       // 32
    {u"Special: paste", u"特殊：粘贴"},                      // 33
    {u"Special: page up", u"特殊：上翻页"},                  // 34
    {u"Special: page down", u"特殊：下翻页"},                // 35
    {u"Special: home", u"特殊：句首"},                       // 36
    {u"Special: maximise window", u"特殊：最大化窗口"},      // 37
    {u"Special: minimise window", u"特殊：最小化窗口"},      // 38
    {u"Special: restore window", u"特殊：还原窗口"},         // 39
    {u"Special: close window", u"特殊：关闭窗口"},           // 40
}};

// Defined here, next to the rows, so that they are constants before any code runs.
const std::u16string_view sameAsDefaultText = kActionLists[kRowSameAsDefault].english;
const std::u16string_view doNothingText = kActionLists[kRowDoNothing].english;

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
