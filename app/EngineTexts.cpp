#include "app/EngineTexts.h"

#include <array>

namespace traxo {

namespace {

constexpr std::array<TextRow, static_cast<std::size_t>(EngineText::Count)> kEngineTexts{{
    {EngineText::CouldNotOpen, u"Could not open \"#\": ", u"无法打开“#”："},
    {EngineText::PopupUnrecognised, u"(unrecognised)", u"（未知手势）"},
    {EngineText::TrayActive, u"&Active", u"启动(&A)"},
    {EngineText::TrayConfigure, u"&Configure...", u"配置(&C)..."},
    {EngineText::TrayAutostart, u"Always run at &startup", u"随系统启动(&S)"},
    {EngineText::TrayExit, u"E&xit", u"退出(&X)"},
    {EngineText::AutostartRefused,
     u"Windows did not let Traxo change the programs that start when you log in. Nothing was "
     u"changed.",
     u"Windows 不允许 Traxo 更改登录时自动启动的程序。设置没有改变。"},
    {EngineText::TrayTipActive, u"Traxo: gestures active", u"Traxo：手势已启动"},
    {EngineText::TrayTipInactive, u"Traxo: gestures inactive", u"Traxo：手势已关闭"},
}};

} // namespace

const TextTable& TextTableOf(EngineText) {
    static constexpr TextTable table{"gesture engine", kEngineTexts, kEngineTexts.size()};
    return table;
}

std::u16string TrayTipText(bool active, Language language) {
    return std::u16string(
        Text(active ? EngineText::TrayTipActive : EngineText::TrayTipInactive, language));
}

std::u16string CouldNotOpenText(std::u16string_view target, std::u16string_view reason,
                                Language language) {
    return TextWith(Text(EngineText::CouldNotOpen, language), target) + std::u16string(reason);
}

} // namespace traxo
