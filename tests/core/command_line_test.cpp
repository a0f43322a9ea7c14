#include "common/CommandLine.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace birch {
namespace {

struct CommandLineCase {
    std::string text;
    std::vector<std::string> expected;
};

void PrintTo(const CommandLineCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class CommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, SplitsWithoutShellInterpretation)
{
    EXPECT_EQ(splitCommandLine(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineTest,
                         testing::Values(CommandLineCase{"", {}}, CommandLineCase{"   \t ", {}},
                                         CommandLineCase{"-a", {"-a"}},
                                         CommandLineCase{"  -ip  192.168.2.205\t-x ", {"-ip", "192.168.2.205", "-x"}},
                                         CommandLineCase{"\"C:\\Program Files\\x\" y", {"C:\\Program Files\\x", "y"}},
                                         CommandLineCase{"a\"b c\"d", {"ab cd"}}, CommandLineCase{"\"\" x", {"", "x"}},
                                         CommandLineCase{"$(touch x) ; rm *", {"$(touch", "x)", ";", "rm", "*"}},
                                         CommandLineCase{"\"open quote", {"open quote"}}));

} // namespace
} // namespace birch
