#include "nmea/ProjectRules.h"

#include <string>

namespace birch {

namespace {

std::string valueOf(const ListenerRow& row, std::string_view name)
{
    return std::string(row.attribute(name).value_or(std::string_view()));
}

TNMEA0183_Rule readRule(const ListenerRow& row, const Catalog& catalog)
{
    TNMEA0183_Rule rule;
    // A child that is not an element has no attributes, so it reads as disabled.
    rule.Enable = row.attribute("Enable") == "Y";
    rule.Serial_Channel = valueOf(row, "Serial_Channel");
    rule.Sentence = catalog.Get_Sentence(valueOf(row, "Sentence"));
    rule.Index = valueOf(row, "Index");
    rule.DataField = catalog.Get_DataField(valueOf(row, "DataField"), rule.Sentence);
    rule.PortOperation = valueOf(row, "PortOperation");
    rule.SwapAll = row.attribute("SwapAll") == "Y";
    rule.Swap16 = row.attribute("Swap16") == "Y";
    rule.Position = valueOf(row, "Position");
    rule.Mnemonic = valueOf(row, "Mnemonic");
    return rule;
}

} // namespace

ProjectRulesLoad loadProjectRules(const std::filesystem::path& ruleFile, const Catalog& catalog)
{
    ProjectRulesLoad result;
    ListenerFileLoad& read = result;
    read = readListenerFile(ruleFile, result.rules.size(), [&](std::size_t position, const ListenerRow& row) {
        result.rules[position] = readRule(row, catalog);
    });
    return result;
}

} // namespace birch
