#include "common/DecimalNumber.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace birch {
namespace {

struct DecimalCase {
    std::string text;
    std::optional<std::int32_t> expected;
};

class DecimalNumberTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalNumberTest, ReadsOnlyWholeDecimalIntegers)
{
    EXPECT_EQ(parseDecimal(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DecimalNumberTest,
                         testing::Values(DecimalCase{"0", 0}, DecimalCase{"247", 247}, DecimalCase{"-1", -1},
                                         DecimalCase{"007", 7}, DecimalCase{"2147483647", 2147483647},
                                         DecimalCase{"-2147483648", -2147483647 - 1},
                                         DecimalCase{"2147483648", std::nullopt}, DecimalCase{"", std::nullopt},
                                         DecimalCase{"-", std::nullopt}, DecimalCase{"+5", std::nullopt},
                                         DecimalCase{" 5", std::nullopt}, DecimalCase{"5 ", std::nullopt},
                                         DecimalCase{"0x10", std::nullopt}, DecimalCase{"1e3", std::nullopt},
                                         DecimalCase{"--1", std::nullopt}, DecimalCase{"12a", std::nullopt}));

TEST(DecimalNumber, FallbackOnlyForNonNumbers)
{
    EXPECT_EQ(decimalOr("abc", -1), -1);
    EXPECT_EQ(decimalOr("0", -1), 0);
}

} // namespace
} // namespace birch
