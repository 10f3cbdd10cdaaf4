#include "app/EngineTexts.h"

#include <array>

namespace traxo {

namespace {

constexpr std::array<TextRow, static_cast<std::size_t>(EngineText::Count)> kEngineTexts{{
    {EngineText::CouldNotOpen, u"Could not open \"#\": ", u"无法打开“#”："},
}};

} // namespace

const TextTable& TextTableOf(EngineText) {
    static constexpr TextTable table{"gesture engine", kEngineTexts, kEngineTexts.size()};
    return table;
}

std::u16string CouldNotOpenText(std::u16string_view target, std::u16string_view reason,
                                Language language) {
    return TextWith(Text(EngineText::CouldNotOpen, language), target) + std::u16string(reason);
}

} // namespace traxo
