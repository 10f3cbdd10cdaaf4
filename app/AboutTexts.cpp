#include "app/AboutTexts.h"

namespace traxo {

const TextTable& TextTableOf(AboutText) {
    static constexpr TextTable table{"about", kAboutTexts, kAboutTexts.size()};
    return table;
}

} // namespace traxo
