#include "platform/TextTable.h"

namespace traxo {

std::u16string_view TextIn(const TextTable& table, std::size_t id, Language language) {
    if (id >= table.rows.size() || table.rows[id].id != id) {
        return {};
    }
    return table.rows[id].In(language);
}

std::u16string TextWith(std::u16string_view text, std::u16string_view value) {
    std::u16string result(text);
    if (const std::size_t at = result.find(u'#'); at != std::u16string::npos) {
        result.replace(at, 1, value);
    }
    return result;
}

std::u16string TextWithCount(std::u16string_view text, std::size_t count) {
    const std::string digits = std::to_string(count);
    return TextWith(text, std::u16string(digits.begin(), digits.end()));
}

std::u16string TextWithEach(std::u16string_view text,
                            std::initializer_list<std::u16string_view> values) {
    std::u16string result;
    const std::u16string_view* value = values.begin();
    for (const char16_t c : text) {
        if (c == u'#' && value != values.end()) {
            result += *value++;
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace traxo
