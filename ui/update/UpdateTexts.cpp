#include "ui/update/UpdateTexts.h"

#include <array>

namespace traxo {
namespace {

constexpr std::array<TextRow, static_cast<std::size_t>(UpdateText::Count)> kUpdateTexts{{
    {UpdateText::Instruction, u"A Traxo update is available. Do you want to download it?",
     u"Traxo有可用更新！你想立刻下载吗？"},
    {UpdateText::InstructionNoLink, u"A Traxo update is available.", u"Traxo有可用更新！"},
    {UpdateText::Footer, u"Update is v. #, released # - you have v. #",
     u"最新版本是#，发布日期是 #——你的版本是#。"},
    {UpdateText::DownloadFrom, u"Download it from: #", u"下载地址：#"},
    {UpdateText::Yes, u"Yes", u"是"},
    {UpdateText::No, u"No", u"否"},
    {UpdateText::Ok, u"OK", u"好"},
    {UpdateText::Latest, u"You have the latest version.", u"已经是最新版本。"},
    {UpdateText::NetworkError, u"Could not check for updates: check your connection.",
     u"无法检查更新：请检查网络连接。"},
}};

} // namespace

const TextTable& TextTableOf(UpdateText) {
    static constexpr TextTable table{"update check", kUpdateTexts, kUpdateTexts.size()};
    return table;
}

} // namespace traxo
