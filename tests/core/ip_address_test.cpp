#include "common/IpAddress.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace birch {
namespace {

struct IpCase {
    std::string text;
    bool valid;
    std::array<std::string, 4> parts;
};

void PrintTo(const IpCase& c, std::ostream* out)
{
    *out << '"';
    for (char ch : c.text)
        *out << (ch == '\t' ? std::string("\\t") : std::string(1, ch));
    *out << '"';
}

class ValidIpAddress : public testing::TestWithParam<IpCase> {};

TEST_P(ValidIpAddress, ChecksAndSplits)
{
    const IpAddressParts result = Valid_IP_Address(GetParam().text);
    EXPECT_EQ(result.valid, GetParam().valid) << GetParam().text;
    EXPECT_EQ(result.parts, GetParam().parts) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValidIpAddress,
    testing::Values(
        IpCase{"  192.168.2.205 \t", true, {"192", "168", "2", "205"}},
        IpCase{"192.168.2", false, {"192", "168", "2", ""}}, IpCase{"192.168.2.256", false, {"192", "168", "2", "256"}},
        IpCase{"1.2.3.4.5", false, {"1", "2", "3", "4.5"}}, IpCase{"010.0.0.1", true, {"010", "0", "0", "1"}},
        IpCase{"1 . 2 .3. 4", true, {"1", "2", "3", "4"}}, IpCase{"0.0.0.0", true, {"0", "0", "0", "0"}},
        IpCase{"255.255.255.255", true, {"255", "255", "255", "255"}}, IpCase{"1.2.3.", false, {"1", "2", "3", ""}},
        IpCase{"1.2.3.-1", false, {"1", "2", "3", "-1"}}, IpCase{"1.2.3.+4", false, {"1", "2", "3", "+4"}},
        IpCase{"a.2.3.4", false, {"a", "2", "3", "4"}},
        IpCase{"1.2.3.99999999999", false, {"1", "2", "3", "99999999999"}}, IpCase{"", false, {"", "", "", ""}}));

} // namespace
} // namespace birch
