// The trace shows scores as a "0.#####" picture does and percentages as "0.##".
#include "recognition/ScoreFormat.h"

#include <gtest/gtest.h>
#include <limits>

namespace traxo {
namespace {

TEST(FormatOptionalDecimals, DropsTrailingZerosAndAPointWithNothingAfterIt) {
    EXPECT_EQ(FormatOptionalDecimals(0, 5), "0");
    EXPECT_EQ(FormatOptionalDecimals(1, 5), "1");
    EXPECT_EQ(FormatOptionalDecimals(5, 5), "5");
    EXPECT_EQ(FormatOptionalDecimals(0.5, 5), "0.5");
    EXPECT_EQ(FormatOptionalDecimals(0.001, 5), "0.001");
    EXPECT_EQ(FormatOptionalDecimals(20, 2), "20");
    EXPECT_EQ(FormatOptionalDecimals(1234567.25, 5), "1234567.25");
}

TEST(FormatOptionalDecimals, RoundsTheDecimalsKept) {
    EXPECT_EQ(FormatOptionalDecimals(2999.0627541746, 5), "2999.06275");
    EXPECT_EQ(FormatOptionalDecimals(0.20284473115422014, 5), "0.20284");
    EXPECT_EQ(FormatOptionalDecimals(155.38568697608136, 5), "155.38569");
    EXPECT_EQ(FormatOptionalDecimals(99.50701209032651, 2), "99.51");
    EXPECT_EQ(FormatOptionalDecimals(44.444444444444443, 2), "44.44");
    EXPECT_EQ(FormatOptionalDecimals(99.99996665624955, 2), "100");
    EXPECT_EQ(FormatOptionalDecimals(9.999996, 5), "10");
    EXPECT_EQ(FormatOptionalDecimals(0.999999, 5), "1");
}

TEST(FormatOptionalDecimals, RoundsAnExactHalfAwayFromZero) {
    EXPECT_EQ(FormatOptionalDecimals(0.015625, 5), "0.01563"); // 1/64
    EXPECT_EQ(FormatOptionalDecimals(0.125, 2), "0.13");
    EXPECT_EQ(FormatOptionalDecimals(2.5, 0), "3");
}

TEST(FormatOptionalDecimals, RoundsFromEighteenSignificantDigits) {
    // Held as 0.00140499999999999999888...: below a half at the fifth decimal, but a half
    // once taken to 18 digits.
    EXPECT_EQ(FormatOptionalDecimals(0.001405, 5), "0.00141");
    EXPECT_EQ(FormatOptionalDecimals(0.000155, 5), "0.00016");
    // 1.005 is held as 1.00499999999999989...: the 18 digits still show the 4.
    EXPECT_EQ(FormatOptionalDecimals(1.005, 2), "1");
}

TEST(FormatOptionalDecimals, VerySmallScoresReadZero) {
    EXPECT_EQ(FormatOptionalDecimals(0.000004, 5), "0");
    EXPECT_EQ(FormatOptionalDecimals(0.0000051, 5), "0.00001");
    EXPECT_EQ(FormatOptionalDecimals(0.00000049, 5), "0");
    EXPECT_EQ(FormatOptionalDecimals(1e-300, 5), "0");
    EXPECT_EQ(FormatOptionalDecimals(std::numeric_limits<double>::denorm_min(), 5), "0");
}

TEST(FormatOptionalDecimals, WritesEveryDigitOfLargeValues) {
    EXPECT_EQ(FormatOptionalDecimals(1e20, 5), "100000000000000000000");
    EXPECT_EQ(FormatOptionalDecimals(123456789012.125, 2), "123456789012.13");
}

TEST(FormatOptionalDecimals, NamesValuesThatAreNotNumbers) {
    EXPECT_EQ(FormatOptionalDecimals(std::numeric_limits<double>::infinity(), 5), "INF");
    EXPECT_EQ(FormatOptionalDecimals(-std::numeric_limits<double>::infinity(), 5), "-INF");
    EXPECT_EQ(FormatOptionalDecimals(std::numeric_limits<double>::quiet_NaN(), 5), "NAN");
    EXPECT_EQ(FormatOptionalDecimals(-0.25, 1), "-0.3");
    EXPECT_EQ(FormatOptionalDecimals(-0.0000001, 2), "0");
}

} // namespace
} // namespace traxo
