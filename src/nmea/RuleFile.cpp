#include "nmea/RuleFile.h"

#include "common/TextUtil.h"
#include "core/BuildConstants.h"
#include "nmea/PostOperationText.h"
#include "nmea/SerialChannels.h"

#include <string_view>

namespace birch {

namespace {

// A missing attribute reads as the empty text; a child that is not an element reads as the
// fallbacks.
std::string_view valueOf(const ListenerRow& row, std::string_view name, std::string_view fallback)
{
    return row.element ? row.attribute(name).value_or(std::string_view()) : fallback;
}

TNMEA0183_Rule readRule(const ListenerRow& row, const Catalog& catalog, const std::vector<std::string>& channels)
{
    TNMEA0183_Rule rule;
    rule.Enable = valueOf(row, "Enable", "Y") != "N";
    rule.Serial_Channel = Get_Serial_Channel(valueOf(row, "Serial_Channel", "RS232"), channels);
    rule.Sentence = catalog.Get_Sentence(valueOf(row, "Sentence", ""));
    rule.Index = std::string(valueOf(row, "Index", ""));
    rule.DataField = catalog.Get_DataField(valueOf(row, "DataField", ""), rule.Sentence);
    rule.PortOperation = Get_PostOperatin(valueOf(row, "PortOperation", "None"));
    rule.SwapAll = valueOf(row, "SwapAll", "N") == "Y";
    rule.Swap16 = valueOf(row, "Swap16", "N") == "Y";
    rule.Position = std::string(valueOf(row, "Position", ""));
    rule.Mnemonic = std::string(valueOf(row, "Mnemonic", ""));
    return rule;
}

std::string flag(bool on)
{
    return on ? "Y" : "N";
}

} // namespace

RuleFileLoad loadRuleFile(const std::filesystem::path& file, const Catalog& catalog,
                          const std::vector<std::string>& offeredChannels)
{
    RuleFileLoad result;
    ListenerFileLoad& read = result;
    read = readListenerFile(file, result.rules.size(), [&](std::size_t position, const ListenerRow& row) {
        result.rules[position] = readRule(row, catalog, offeredChannels);
    });
    return result;
}

std::string ruleDocument(const RuleTable& rules)
{
    std::vector<ListenerAttributes> rows;
    for (const TNMEA0183_Rule& rule : rules) {
        if (trimControl(rule.Sentence).empty())
            break;
        rows.push_back({{"Enable", flag(rule.Enable)},
                        {"Serial_Channel", rule.Serial_Channel},
                        {"Sentence", rule.Sentence},
                        {"Index", rule.Index},
                        {"DataField", rule.DataField},
                        {"PortOperation", rule.PortOperation},
                        {"SwapAll", flag(rule.SwapAll)},
                        {"Swap16", flag(rule.Swap16)},
                        {"Position", rule.Position},
                        {"Mnemonic", rule.Mnemonic}});
    }
    return listenerDocument(kSoftwareVersionComment, rows);
}

RuleFileSave saveRuleFile(const std::filesystem::path& file, const RuleTable& rules, FileWriter& writer,
                          bool keepDamaged)
{
    return saveListenerFile(file, ruleDocument(rules), writer, keepDamaged);
}

} // namespace birch
