#include "ImageTestData.h"

#include "image/Compile_Bank.h"
#include "nmea/Catalog.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace birch::test {
namespace {

const Catalog& catalog()
{
    static const Catalog instance = Catalog::Init_NMEA0183_Map();
    return instance;
}

CompiledBank compile(std::optional<std::string> parGen, std::optional<std::string> rules)
{
    const auto view = [](const std::optional<std::string>& text) -> std::optional<std::string_view> {
        if (!text)
            return std::nullopt;
        return std::string_view(*text);
    };
    CompileBankResult result = Compile_Bank(view(parGen), view(rules), catalog());
    EXPECT_TRUE(result.ok()) << (result.error ? result.error->reason : "");
    return result.ok() ? *result.bank : CompiledBank{};
}

std::uint32_t sumOfGeneralBlock(const BankBytes& bytes)
{
    return std::accumulate(bytes.begin(), bytes.begin() + kBankChecksumOffset, std::uint32_t{0});
}

struct Field {
    std::size_t offset;
    std::size_t size;
    std::uint32_t value;
};

TEST(ImageBank, DefaultsWithoutAnyProjectFile)
{
    const CompiledBank bank = compile(std::nullopt, std::nullopt);
    const BankBytes& b = bank.Bytes;
    ASSERT_EQ(b.size(), 3584u);

    const std::vector<Field> fields = {
        {0x00C, 4, 9600},  {0x012, 2, 0},       {0x014, 4, 0},          {0x018, 4, 0},     {0x028, 1, 192},
        {0x029, 1, 168},   {0x02A, 1, 2},       {0x02B, 1, 205},        {0x02C, 1, 255},   {0x02D, 1, 255},
        {0x02E, 1, 255},   {0x02F, 1, 0},       {0x030, 4, 0xFFFFFFFF}, {0x034, 2, 10000}, {0x036, 2, 10001},
        {0x038, 2, 10001}, {0x03A, 2, 0},       {0x03C, 4, 9600},       {0x042, 2, 0},     {0x044, 4, 0},
        {0x061, 1, 0},     {0x258, 4, 0x68800}, {0x25C, 4, 0},          {0x260, 4, 0},     {0x264, 1, 0},
        {0x265, 1, 0},     {0x267, 1, 0},
    };
    std::set<std::size_t> named;
    for (const Field& f : fields) {
        EXPECT_EQ(le(b, f.offset, f.size), f.value) << "offset 0x" << std::hex << f.offset;
        for (std::size_t i = 0; i < f.size; ++i)
            named.insert(f.offset + i);
    }
    for (std::size_t i = 0; i < kBankChecksumOffset; ++i) {
        if (named.count(i))
            continue;
        EXPECT_EQ(b[i], 0) << "reserved byte 0x" << std::hex << i;
    }
    EXPECT_EQ(le(b, kBankChecksumOffset, 4), sumOfGeneralBlock(b));
    for (std::size_t i = kBankGeneralSize; i < kBankSize; ++i)
        ASSERT_EQ(b[i], 0) << "rule table byte " << i;
    EXPECT_EQ(bank.Accepted, 0);
}

// ParGen.xml contents -> general block fields.
struct ParGenCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> keys;
    std::vector<Field> expected;
};

class ImageParGen : public ::testing::TestWithParam<ParGenCase> {};

TEST_P(ImageParGen, Fields)
{
    const CompiledBank bank = compile(parGenXml(GetParam().keys), std::nullopt);
    for (const Field& f : GetParam().expected)
        EXPECT_EQ(le(bank.Bytes, f.offset, f.size), f.value) << "offset 0x" << std::hex << f.offset;
    EXPECT_EQ(le(bank.Bytes, kBankChecksumOffset, 4), sumOfGeneralBlock(bank.Bytes));
}

const std::vector<std::pair<std::string, std::string>> kAllPortsSlaveOnRs485_2 = {
    {"RS232_ENABLE", "1"},           {"RS232_BAUDRATE", "19200"},
    {"RS232_PARITY", "ODD"},         {"RS232_STOP_BITS", "2 bits"},
    {"RS485_1_ENABLE", "1"},         {"RS485_1_BAUDRATE", "38400"},
    {"RS485_1_PARITY", "EVEN"},      {"RS485_1_STOP_BITS", "1 bit"},
    {"RS485_2_ENABLE", "1"},         {"RS485_2_BAUDRATE", "1200"},
    {"RS485_2_PARITY", "NONE"},      {"RS485_2_STOP_BITS", "1 bit"},
    {"MODBUS_SLAVE_SERIAL", "2"},    {"MODBUS_SLAVE_BAUDRATE", "115200"},
    {"MODBUS_SLAVE_PARITY", "EVEN"}, {"MODBUS_SLAVE_STOPBITS", "2 bits"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageParGen,
    ::testing::Values(
        ParGenCase{"AllPortsSlaveOnSecondRs485",
                   kAllPortsSlaveOnRs485_2,
                   {{0x267, 1, 3},
                    {0x061, 1, 4},
                    {0x03C, 4, 19200},
                    {0x042, 2, 1},
                    {0x044, 4, 2},
                    {0x00C, 4, 38400},
                    {0x012, 2, 2},
                    {0x014, 4, 1},
                    {0x260, 4, 115200},
                    {0x264, 1, 2},
                    {0x265, 1, 2}}},
        ParGenCase{"EmptyRootTakesBracketValues",
                   {},
                   {{0x267, 1, 0},
                    {0x061, 1, 1},
                    // The slave (RS232 by default) writes its fallbacks into the RS232 fields.
                    {0x03C, 4, 9600},
                    {0x042, 2, 0},
                    {0x044, 4, 1},
                    {0x00C, 4, 9600},
                    {0x014, 4, 0},
                    {0x018, 4, 10},
                    {0x028, 4, 0x0A00A8C0},
                    {0x02C, 4, 0x00FFFFFF},
                    {0x030, 4, 0xFFFFFFFF},
                    {0x03A, 2, 0}}},
        ParGenCase{"EnabledPortFallbacksAndPlainNumbers",
                   {{"RS485_1_ENABLE", "1"},
                    {"RS485_1_BAUDRATE", "300"},
                    {"RS485_1_PARITY", "even"},
                    {"RS485_1_STOP_BITS", "2"},
                    {"RS485_2_ENABLE", "1"},
                    {"RS485_2_BAUDRATE", "fast"},
                    {"RS485_2_PARITY", " ODD"},
                    {"RS485_2_STOP_BITS", "2 BITS"}},
                   {{0x267, 1, 6},
                    {0x00C, 4, 300},
                    {0x012, 2, 2},
                    {0x014, 4, 1},
                    {0x260, 4, 4800},
                    {0x264, 1, 0},
                    {0x265, 1, 2}}},
        ParGenCase{
            "EnableOnlyByExactlyOne",
            {{"RS232_ENABLE", "Y"}, {"RS485_1_ENABLE", "true"}, {"RS485_2_ENABLE", " 1"}, {"MODBUS_SLAVE_SERIAL", "1"}},
            {{0x267, 1, 0}, {0x061, 1, 2}, {0x260, 4, 0}}},
        ParGenCase{"SlaveSettingsGoToItsDisabledPort",
                   {{"RS485_1_ENABLE", "0"},
                    {"RS485_1_BAUDRATE", "1200"},
                    {"MODBUS_SLAVE_SERIAL", "1"},
                    {"MODBUS_SLAVE_BAUDRATE", "57600"},
                    {"MODBUS_SLAVE_PARITY", "odd"},
                    {"MODBUS_SLAVE_STOPBITS", "x"}},
                   {{0x061, 1, 2}, {0x00C, 4, 57600}, {0x012, 2, 1}, {0x014, 4, 1}, {0x03C, 4, 9600}}},
        ParGenCase{"SlaveOnUnknownPortMeansRs232",
                   {{"RS232_ENABLE", "1"},
                    {"RS485_1_ENABLE", "1"},
                    {"MODBUS_SLAVE_SERIAL", "7"},
                    {"MODBUS_SLAVE_BAUDRATE", "abc"}},
                   {{0x061, 1, 1}, {0x267, 1, 2}, {0x03C, 4, 9600}, {0x044, 4, 1}, {0x00C, 4, 4800}}},
        ParGenCase{"NarrowFieldsKeepLowBits",
                   {{"Ethernet_IP1", "300"},
                    {"Ethernet_IP2", "-1"},
                    {"Ethernet_IP3", "x"},
                    {"Ethernet_IP4", ""},
                    {"MODBUS_SLAVE_IDDEVICE", "-1"},
                    {"RS485_2_ENABLE", "1"},
                    {"RS485_2_BAUDRATE", "70000"},
                    {"MODBUS_SLAVE_SERIAL", "0"}},
                   {{0x028, 1, 44},
                    {0x029, 1, 255},
                    {0x02A, 1, 0},
                    {0x02B, 1, 10},
                    {0x018, 4, 0xFFFFFFFF},
                    {0x260, 4, 70000}}},
        ParGenCase{"GatewayOnlyWhenEnabled",
                   {{"Ethernet_GAT1", "10"},
                    {"Ethernet_GAT2", "0"},
                    {"Ethernet_GAT3", "0"},
                    {"Ethernet_GAT4", "1"},
                    {"Ethernet_EN_GAT", "0"}},
                   {{0x030, 4, 0xFFFFFFFF}}},
        ParGenCase{"GatewayEnabled",
                   {{"Ethernet_GAT1", "10"},
                    {"Ethernet_GAT2", "0"},
                    {"Ethernet_GAT4", "1"},
                    {"Ethernet_EN_GAT", "1"},
                    {"MODBUS_SLAVE_READ_INPUT_REGISTER", "1"}},
                   {{0x030, 1, 10}, {0x031, 1, 0}, {0x032, 1, 0}, {0x033, 1, 1}, {0x03A, 2, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImageBank, RootNameIsNotCheckedButFirstNodeMustBeIt)
{
    const CompiledBank renamed = compile("<Other><RS232_ENABLE>1</RS232_ENABLE><MODBUS_SLAVE_SERIAL>1"
                                         "</MODBUS_SLAVE_SERIAL></Other>",
                                         std::nullopt);
    EXPECT_EQ(renamed.Bytes[0x267], 1);
    const CompiledBank declared = compile("<?xml version=\"1.0\"?><Par_Gen><RS232_ENABLE>1</RS232_ENABLE>"
                                          "<MODBUS_SLAVE_SERIAL>1</MODBUS_SLAVE_SERIAL></Par_Gen>",
                                          std::nullopt);
    EXPECT_EQ(declared.Bytes[0x267], 0);
    EXPECT_EQ(declared.Bytes[0x061], 1);
}

// One rule candidate -> taken with these entry fields, or dropped.
struct RuleCase {
    const char* name;
    std::string row;
    bool accepted;
    TBank_Rule entry = {};
};

TBank_Rule entry(std::uint16_t sentence, std::uint16_t position, std::uint8_t serial, std::uint8_t field,
                 std::uint8_t post = 0, std::uint8_t swap = 0, std::uint8_t index = 0)
{
    return {sentence, position, serial, field, post, swap, index};
}

class ImageRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ImageRule, Acceptance)
{
    const CompiledBank bank = compile(rs485ParGen(), rulesXml({GetParam().row}));
    const BankBytes& b = bank.Bytes;
    ASSERT_EQ(bank.Accepted, GetParam().accepted ? 1 : 0);
    EXPECT_EQ(le(b, 0x25C, 4), bank.Accepted);
    const TBank_Rule& e = GetParam().entry;
    const std::size_t base = kBankGeneralSize;
    EXPECT_EQ(le(b, base + 0, 2), e.Sentence);
    EXPECT_EQ(le(b, base + 2, 2), e.Position);
    EXPECT_EQ(b[base + 4], e.Serial);
    EXPECT_EQ(b[base + 5], e.Field_Number);
    EXPECT_EQ(b[base + 6], e.Post_Operation);
    EXPECT_EQ(b[base + 7], e.Swap);
    EXPECT_EQ(b[base + 8], e.Index);
    EXPECT_EQ(le(b, base + 9, 3), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageRule,
    ::testing::Values(
        RuleCase{"Plain", rule(), true, entry(1, 1, 1, 0)},
        RuleCase{"EnableLowerCaseDropped", rule({{"Enable", "y"}}), false},
        RuleCase{"EnableMissingDropped",
                 ruleRow({{"Serial_Channel", "RS485 2"}, {"Sentence", "ZDA"}, {"DataField", "hour [decimal]"}}), false},
        RuleCase{"NonElementFailsAtThePort", "<!-- a note -->", false},
        RuleCase{"SecondRs485", rule({{"Serial_Channel", "RS485 2"}}), true, entry(1, 1, 2, 0)},
        RuleCase{"Rs485OneLowerCaseTrimmed", rule({{"Serial_Channel", " rs485 1 "}}), true, entry(1, 1, 1, 0)},
        RuleCase{"SlavePortDropped", rule({{"Serial_Channel", "RS232"}}), false},
        RuleCase{"UnknownPortDropped", rule({{"Serial_Channel", "COM1"}}), false},
        RuleCase{"MissingPortDropped", ruleRow({{"Enable", "Y"}, {"Sentence", "ZDA"}, {"DataField", "hour [decimal]"}}),
                 false},
        RuleCase{"SentenceTrimmedAndUpperCased", rule({{"Sentence", " zda "}}), true, entry(1, 1, 1, 0)},
        RuleCase{"UnknownSentenceDropped", rule({{"Sentence", "ABC"}}), false},
        RuleCase{"SentenceNotOfferedDropped", rule({{"Sentence", "BWC"}}), false},
        RuleCase{"FieldCaseIgnored", rule({{"DataField", "MINUTES [DECIMAL] "}}), true, entry(1, 1, 1, 1)},
        RuleCase{"FieldOfAnotherSentenceDropped", rule({{"DataField", "Transducer type [character]"}}), false},
        RuleCase{"EmptyFieldDropped", rule({{"DataField", ""}}), false},
        RuleCase{"XdrIndexNotRangeChecked",
                 rule({{"Sentence", "XDR"}, {"DataField", "Units of measure [character]"}, {"Index", " 12 "}}), true,
                 entry(34, 1, 1, 2, 0, 0, 12)},
        RuleCase{"IndexKeepsLowBits",
                 rule({{"Sentence", "XDR"}, {"DataField", "Units of measure [character]"}, {"Index", "300"}}), true,
                 entry(34, 1, 1, 2, 0, 0, 44)},
        RuleCase{"IndexNotANumber",
                 rule({{"Sentence", "XDR"}, {"DataField", "Units of measure [character]"}, {"Index", "abc"}}), true,
                 entry(34, 1, 1, 2)},
        RuleCase{"ZdaIndexIgnored", rule({{"Index", "5"}}), true, entry(1, 1, 1, 0)},
        RuleCase{"GsvSentenceNumberIndexed",
                 rule({{"Sentence", "GSV"}, {"DataField", "Sentence number [decimal]"}, {"Index", "3"}}), true,
                 entry(10, 1, 1, 1, 0, 0, 3)},
        // The GSV fields that carry an index are 1 and 3 to 6; the alarm sentences 41 to 47 all do.
        RuleCase{
            "GsvSatellitesInViewNotIndexed",
            rule({{"Sentence", "GSV"}, {"DataField", "Total number of satellites in view [decimal]"}, {"Index", "3"}}),
            true, entry(10, 1, 1, 2)},
        RuleCase{"GsvSatelliteIdIndexed",
                 rule({{"Sentence", "GSV"}, {"DataField", "Satellite ID number [decimal]"}, {"Index", "4"}}), true,
                 entry(10, 1, 1, 3, 0, 0, 4)},
        RuleCase{"GsvSnrIndexed",
                 rule({{"Sentence", "GSV"},
                       {"DataField", "SNR (C/No) 00-99 dB-Hz, null when not tracking [decimal]"},
                       {"Index", "2"}}),
                 true, entry(10, 1, 1, 6, 0, 0, 2)},
        RuleCase{
            "PjelcBeforeAlarmsNotIndexed",
            rule({{"Sentence", "$PJELC"}, {"DataField", "Feedback angle, Number [floating point]"}, {"Index", "3"}}),
            true, entry(40, 1, 1, 0)},
        RuleCase{"FirstAlarmSentenceIndexed",
                 rule({{"Sentence", "$VTHA0"}, {"DataField", "Alarm, Value [decimal]"}, {"Index", "5"}}), true,
                 entry(41, 1, 1, 0, 0, 0, 5)},
        RuleCase{"LastAlarmSentenceIndexed",
                 rule({{"Sentence", "$VTHS0"}, {"DataField", "Alarm, Value [decimal]"}, {"Index", "6"}}), true,
                 entry(47, 1, 1, 0, 0, 0, 6)},
        RuleCase{"SentenceAfterAlarmsNotIndexed",
                 rule({{"Sentence", "$VTHC0"}, {"DataField", "Position command, Number [decimal]"}, {"Index", "7"}}),
                 true, entry(48, 1, 1, 0)},
        RuleCase{"GsvSignalIdNotIndexed",
                 rule({{"Sentence", "GSV"}, {"DataField", "Signal ID [decimal]"}, {"Index", "3"}}), true,
                 entry(10, 1, 1, 7)},
        RuleCase{"PostOperation", rule({{"PortOperation", " x 100 "}}), true, entry(1, 1, 1, 0, 6)},
        RuleCase{"PostOperationExactCase", rule({{"PortOperation", "X 100"}}), true, entry(1, 1, 1, 0, 0)},
        RuleCase{"SwapAllLowerCase", rule({{"SwapAll", "y"}}), true, entry(1, 1, 1, 0, 0, 1)},
        RuleCase{"BothSwaps", rule({{"SwapAll", "Y"}, {"Swap16", " y"}}), true, entry(1, 1, 1, 0, 0, 3)},
        RuleCase{"PositionLow16Bits", rule({{"Position", "70000"}}), true, entry(1, 4464, 1, 0)},
        RuleCase{"PositionNegative", rule({{"Position", "-1"}}), true, entry(1, 0xFFFF, 1, 0)},
        RuleCase{"PositionNotANumber", rule({{"Position", "1e3"}}), true, entry(1, 0, 1, 0)},
        RuleCase{"PositionBlanksTrimmed", rule({{"Position", "  42 "}}), true, entry(1, 42, 1, 0)},
        // Only blanks are trimmed: a tab or line break (written as a character reference) stays.
        RuleCase{"IndexTrimsBlanksOnly",
                 rule({{"Sentence", "XDR"}, {"DataField", "Units of measure [character]"}, {"Index", "&#9;12"}}), true,
                 entry(34, 1, 1, 2)},
        RuleCase{"PostOperationTrimsBlanksOnly", rule({{"PortOperation", "x 100&#9;"}}), true, entry(1, 1, 1, 0)},
        RuleCase{"SwapTrimsBlanksOnly", rule({{"SwapAll", "&#9;Y"}, {"Swap16", "Y&#10;"}}), true, entry(1, 1, 1, 0)},
        RuleCase{"PositionTrimsBlanksOnly", rule({{"Position", "&#13;5"}}), true, entry(1, 0, 1, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImageBank, NoParGenAcceptsNoRule)
{
    EXPECT_EQ(compile(std::nullopt, rulesXml({rule(), rule({{"Serial_Channel", "RS232"}})})).Accepted, 0);
}

TEST(ImageBank, SlaveOnSecondRs485DropsItsRules)
{
    std::vector<std::pair<std::string, std::string>> keys = {
        {"RS232_ENABLE", "1"}, {"RS485_1_ENABLE", "1"}, {"RS485_2_ENABLE", "1"}, {"MODBUS_SLAVE_SERIAL", "2"}};
    const CompiledBank bank = compile(
        parGenXml(keys), rulesXml({rule({{"Serial_Channel", "RS485 2"}}), rule({{"Serial_Channel", "RS232"}})}));
    EXPECT_EQ(bank.Accepted, 1);
    EXPECT_EQ(bank.Rules[0].Serial, 0);
}

TEST(ImageBank, AcceptedRulesFillEntriesInFileOrder)
{
    const CompiledBank bank = compile(
        rs485ParGen(), rulesXml({rule({{"Position", "1"}}), rule({{"Position", "2"}}), rule({{"Position", "3"}}),
                                 rule({{"Enable", "N"}}), rule({{"Position", "5"}})}));
    EXPECT_EQ(bank.Accepted, 4);
    EXPECT_EQ(le(bank.Bytes, 0x25C, 4), 4u);
    const std::vector<std::uint32_t> positions = {1, 2, 3, 5};
    for (std::size_t n = 0; n < positions.size(); ++n)
        EXPECT_EQ(le(bank.Bytes, kBankGeneralSize + n * kBankRuleSize + 2, 2), positions[n]);
    for (std::size_t i = kBankGeneralSize + 4 * kBankRuleSize; i < kBankSize; ++i)
        ASSERT_EQ(bank.Bytes[i], 0) << "byte " << i;
}

TEST(ImageBank, ChecksumCoversTheGeneralBlockOnly)
{
    const CompiledBank one = compile(rs485ParGen(), rulesXml({rule({{"Position", "1"}})}));
    const CompiledBank otherEntry = compile(rs485ParGen(), rulesXml({rule({{"Position", "900"}})}));
    const CompiledBank two = compile(rs485ParGen(), rulesXml({rule(), rule()}));
    const auto checksum = [](const CompiledBank& bank) { return le(bank.Bytes, kBankChecksumOffset, 4); };
    EXPECT_EQ(checksum(one), checksum(otherEntry));
    EXPECT_NE(std::vector<std::uint8_t>(one.Bytes.begin(), one.Bytes.end()),
              std::vector<std::uint8_t>(otherEntry.Bytes.begin(), otherEntry.Bytes.end()));
    EXPECT_EQ(checksum(two), checksum(one) + 1);
    EXPECT_EQ(checksum(two), sumOfGeneralBlock(two.Bytes));
}

TEST(ImageBank, MoreThan128RulesFillTheTableAndCountTheRest)
{
    std::vector<std::string> rows;
    for (int i = 0; i < 131; ++i)
        rows.push_back(rule({{"Position", std::to_string(i)}}));
    rows.insert(rows.begin() + 5, rule({{"Enable", "N"}}));
    const CompiledBank bank = compile(rs485ParGen(), rulesXml(rows));
    EXPECT_EQ(bank.Accepted, 128);
    EXPECT_EQ(bank.LeftOut, 3);
    EXPECT_EQ(le(bank.Bytes, 0x25C, 4), 128u);
    EXPECT_EQ(le(bank.Bytes, kBankSize - kBankRuleSize + 2, 2), 127u);
}

// A rule file whose first node holds no NMEA_Listener gives no image, as `check` and the
// editors refuse it too.
TEST(ImageBank, RulesWithoutListenerUnderTheFirstNodeAreAnError)
{
    const std::string listener = "<NMEA_Listener>" + rule() + "</NMEA_Listener>";
    for (const std::string& rules :
         {"<NMEA_0183><Other>" + rule() + "</Other></NMEA_0183>", "<!--c--><NMEA_0183>" + listener + "</NMEA_0183>",
          "<!DOCTYPE NMEA_0183><NMEA_0183>" + listener + "</NMEA_0183>",
          "<?xml version=\"1.0\"?><NMEA_0183>" + listener + "</NMEA_0183>", std::string("<NMEA_0183/>")}) {
        SCOPED_TRACE(rules);
        const std::string parGen = rs485ParGen();
        const CompileBankResult result = Compile_Bank(parGen, rules, catalog());
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error->source, BankSourceError::Source::Rules);
        EXPECT_NE(result.error->reason.find("NMEA_Listener"), std::string::npos);
    }
}

TEST(ImageBank, RulesUnderAnyRootName)
{
    // Children are taken by position whatever their name.
    EXPECT_EQ(compile(rs485ParGen(), "<X><NMEA_Listener><item Enable=\"Y\" Serial_Channel=\"RS485 2\" "
                                     "Sentence=\"ZDA\" DataField=\"day [decimal]\"/></NMEA_Listener></X>")
                  .Accepted,
              1);
}

TEST(ImageBank, MalformedFilesAreErrorsNamingWhich)
{
    const Catalog& c = catalog();
    const auto parGenBroken = Compile_Bank(std::string_view("<Par_Gen><RS232"), std::nullopt, c);
    ASSERT_FALSE(parGenBroken.ok());
    EXPECT_EQ(parGenBroken.error->source, BankSourceError::Source::ParGen);
    EXPECT_FALSE(parGenBroken.error->reason.empty());
    const auto rulesBroken = Compile_Bank(std::nullopt, std::string_view(""), c);
    ASSERT_FALSE(rulesBroken.ok());
    EXPECT_EQ(rulesBroken.error->source, BankSourceError::Source::Rules);
}

} // namespace
} // namespace birch::test
