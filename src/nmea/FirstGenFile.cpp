#include "nmea/FirstGenFile.h"

#include "common/TextUtil.h"
#include "nmea/FirstGenChannels.h"
#include "nmea/FirstGenSentences.h"

#include <vector>

namespace birch::firstgen {

namespace {

// A missing attribute, or a child that is not an element, reads as the fallback.
std::string valueOf(const ListenerRow& row, std::string_view name, std::string_view fallback = {})
{
    return std::string(row.attribute(name).value_or(fallback));
}

Rule readRule(const ListenerRow& row, const Catalog& catalog)
{
    Rule rule;
    rule.Enable = valueOf(row, "Enable", "Y");
    rule.Sentence = std::string(trimControl(valueOf(row, "Sentence")));
    if (takesIndex(catalog, rule.Sentence))
        rule.Index = std::string(trimControl(valueOf(row, "Index")));
    rule.Serial_Channel = Get_Serial_Channel(valueOf(row, "Serial_Channel"));
    rule.Mnemonic = valueOf(row, "Mnemonic");
    return rule;
}

} // namespace

FileLoad loadFile(const std::filesystem::path& file, const Catalog& catalog)
{
    FileLoad result;
    ListenerFileLoad& read = result;
    read = readListenerFile(file, result.rules.size(), [&](std::size_t position, const ListenerRow& row) {
        result.rules[position] = readRule(row, catalog);
    });
    return result;
}

std::string document(const RuleTable& rules, const Catalog& catalog)
{
    std::vector<ListenerAttributes> rows;
    for (const Rule& rule : rules) {
        if (trimControl(rule.Sentence).empty())
            break;
        rows.push_back({{"Enable", rule.Enable},
                        {"Sentence", rule.Sentence},
                        {"Index", takesIndex(catalog, rule.Sentence) ? rule.Index : std::string()},
                        {"Serial_Channel", rule.Serial_Channel},
                        {"Mnemonic", rule.Mnemonic}});
    }
    return listenerDocument(kVersionComment, rows);
}

ListenerFileSave saveFile(const std::filesystem::path& file, const RuleTable& rules, const Catalog& catalog,
                          FileWriter& writer, bool keepDamaged)
{
    return saveListenerFile(file, document(rules, catalog), writer, keepDamaged);
}

} // namespace birch::firstgen
