#include "recognition/ScoreFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace traxo {
namespace {

constexpr int kSignificantDigits = 18;

} // namespace

std::string FormatOptionalDecimals(double value, int maxDecimals) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "INF" : "-INF";
    }
    if (value == 0) {
        return "0";
    }

    // d.ddddddddddddddddde±x: the significant digits and the power of ten of the first one.
    char scientific[32];
    const char* end = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value),
                                    std::chars_format::scientific, kSignificantDigits - 1)
                          .ptr;
    const char* e = std::find(static_cast<const char*>(scientific), end, 'e');
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+'), end, exponent);

    // value = 0.digits * 10^point, the first digit a spare 0 that takes a carry.
    std::array<char, kSignificantDigits + 1> digits{'0'};
    int count = 1;
    for (const char* c = scientific; c != e; ++c) {
        if (*c != '.') {
            digits[count++] = *c;
        }
    }
    const int point = exponent + 2;

    const int kept = point + maxDecimals;
    if (kept < 0) {
        return "0";
    }
    if (kept < count) {
        if (digits[kept] >= '5') {
            int i = kept - 1;
            for (; digits[i] == '9'; --i) {
                digits[i] = '0';
            }
            ++digits[i];
        }
        count = kept;
    }
    while (count > std::max(point, 0) && digits[count - 1] == '0') {
        --count; // trailing zeros of the fraction
    }

    std::string result;
    result.reserve(static_cast<std::size_t>(std::max(point, 1) + maxDecimals + 3));
    if (value < 0) {
        result += '-';
    }
    if (point <= 0) {
        result += '0';
    } else {
        int first = 0;
        while (first < point - 1 && first < count && digits[first] == '0') {
            ++first; // the spare digit when no carry reached it
        }
        for (int i = first; i < point; ++i) {
            result += i < count ? digits[i] : '0';
        }
    }
    if (count > std::max(point, 0)) {
        result += '.';
        result.append(static_cast<std::size_t>(std::max(-point, 0)), '0');
        result.append(digits.data() + std::max(point, 0), digits.data() + count);
    }
    return result == "-0" ? "0" : result;
}

} // namespace traxo
