#include "platform/PathCase.h"

#include <algorithm>

namespace traxo {
namespace {

constexpr bool Between(char16_t c, char16_t first, char16_t last) {
    return c >= first && c <= last;
}

// In a block of alternating capitals and small letters, the capital is the even (or, with
// oddCapitals, the odd) unit and its small letter the next one.
constexpr char16_t PairLower(char16_t c, bool oddCapitals) {
    return ((c & 1u) != 0) == oddCapitals ? char16_t(c + 1) : c;
}

char16_t LatinLower(char16_t c) {
    if (Between(c, u'A', u'Z') || (Between(c, 0x00C0, 0x00DE) && c != 0x00D7)) {
        return char16_t(c + 0x20);
    }
    if (c == 0x0130) {
        return u'i'; // capital I with dot above
    }
    if (Between(c, 0x0100, 0x0137) || Between(c, 0x014A, 0x0177)) {
        return PairLower(c, false);
    }
    if (Between(c, 0x0139, 0x0148) || Between(c, 0x0179, 0x017E)) {
        return PairLower(c, true);
    }
    return c == 0x0178 ? char16_t(0x00FF) : c; // capital Y with diaeresis
}

char16_t GreekLower(char16_t c) {
    if (Between(c, 0x0391, 0x03AB) && c != 0x03A2) {
        return char16_t(c + 0x20);
    }
    switch (c) {
    case 0x0386:
        return 0x03AC;
    case 0x0388:
    case 0x0389:
    case 0x038A:
        return char16_t(c + 0x25);
    case 0x038C:
        return 0x03CC;
    case 0x038E:
    case 0x038F:
        return char16_t(c + 0x3F);
    default:
        return Between(c, 0x03D8, 0x03EF) ? PairLower(c, false) : c;
    }
}

char16_t CyrillicLower(char16_t c) {
    if (Between(c, 0x0400, 0x040F)) {
        return char16_t(c + 0x50);
    }
    if (Between(c, 0x0410, 0x042F)) {
        return char16_t(c + 0x20);
    }
    if (Between(c, 0x0460, 0x0481) || Between(c, 0x048A, 0x04BF) || Between(c, 0x04D0, 0x052F)) {
        return PairLower(c, false);
    }
    if (c == 0x04C0) {
        return 0x04CF;
    }
    return Between(c, 0x04C1, 0x04CE) ? PairLower(c, true) : c;
}

class PortableFolding final : public PathCaseFolding {
public:
    std::u16string Lower(std::u16string_view text) const override {
        std::u16string lower(text);
        std::ranges::transform(lower, lower.begin(), PortableLower);
        return lower;
    }
};

const PathCaseFolding* folding = &PortablePathCaseFolding();

} // namespace

char16_t PortableLower(char16_t c) {
    if (c < 0x0370) {
        return LatinLower(c);
    }
    return c < 0x0400 ? GreekLower(c) : CyrillicLower(c);
}

const PathCaseFolding& PortablePathCaseFolding() {
    static const PortableFolding portable;
    return portable;
}

void UsePathCaseFolding(const PathCaseFolding& chosen) {
    folding = &chosen;
}

std::u16string LowerCasePath(std::u16string_view path) {
    return folding->Lower(path);
}

bool SamePathIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && LowerCasePath(a) == LowerCasePath(b);
}

} // namespace traxo
