#include "actions/ActionTexts.h"

#include "actions/sndkey32.h"

#include <array>

namespace traxo {
namespace {

static_assert(kMaxKeyEventsPerRun == 10000, "the overrun message names the limit");

constexpr std::array<TextRow, static_cast<std::size_t>(ActionText::Count)> kActionTexts{{
    {ActionText::DefaultRowTitle, u"Default action (all programs)", u"默认动作（所有程序"},
    {ActionText::KeysLabel, u"Keys: ", u"组合键:"},
    {ActionText::KeystrokesLabel, u"Keystrokes: ", u"按键: "},
    {ActionText::InvalidCombinationLabel, u"This isn't a valid key combination",
     u"不是有效的组合键"},
    {ActionText::InvalidCombinationMessage,
     u"This combination isn't valid. It may contain too many keys, or two incompatible keys "
     u"(like Tab and Escape).",
     u"不是有效的组合键"},
    {ActionText::DropTooMany, u"Drop only one file on to this action.",
     u"只能拖放一个文件到这个动作。"},
    {ActionText::DropUnsupported, u"That type of object isn't supported.",
     u"不支持这种类型的对象。"},
    {ActionText::ScriptEmpty, u"There are no keystrokes to send.", u"没有要发送的按键。"},
    {ActionText::ScriptCharacter, u" (character #)", u"（第 # 个字符）"},
    {ActionText::ScriptOverrun,
     u"The keystrokes pass 10,000 key events at \"#\"#: one run sends at most 10,000 key events, "
     u"so none of these would be sent. Use smaller repeat counts or less text.",
     u"按键在“#”#处超过 10,000 个按键事件：每次最多发送 10,000 "
     u"个按键事件，所以这些按键一个也不会发送。请减小重复次数或缩短文本。"},
    {ActionText::ScriptMissingBrace,
     u"The keystrokes stop at \"#\"#: this \"{\" has no closing \"}\". To type a brace as text, "
     u"write \\{ or \\}.",
     u"按键在“#”#处停止：这个“{”没有对应的“}”。要输入大括号本身，请写 \\{ 或 \\}。"},
    {ActionText::ScriptBadRepeat,
     u"The keystrokes stop at \"#\"#: the repeat count \"#\" must be a whole number from 0 to "
     u"65535.",
     u"按键在“#”#处停止：重复次数“#”必须是 0 到 65535 之间的整数。"},
}};

} // namespace

const TextTable& TextTableOf(ActionText) {
    static constexpr TextTable table{"actions", kActionTexts, kActionTexts.size()};
    return table;
}

} // namespace traxo
