#include "cli/CatalogCommand.h"

#include "cli/ExitCodes.h"
#include "nmea/Catalog.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iomanip>
#include <iostream>
#include <memory>

namespace birch::cli {

namespace {

nlohmann::ordered_json catalogJson(const Catalog& catalog)
{
    auto sentences = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < kSentenceCount; ++i) {
        const auto& entry = catalog.NMEA0183_Sentences()[i];
        auto fields = nlohmann::ordered_json::array();
        const auto& map = catalog.NMEA0183_Map()[i].Fields;
        for (std::size_t f = 0; f < map.size(); ++f)
            fields.push_back({{"number", f}, {"text", map[f].Field}, {"size", map[f].Dimension}});
        sentences.push_back(
            {{"number", i + 1}, {"name", entry.Name}, {"offered", entry.Offered}, {"fields", std::move(fields)}});
    }
    return sentences;
}

void printTable(const Catalog& catalog)
{
    for (std::size_t i = 0; i < kSentenceCount; ++i) {
        const auto& entry = catalog.NMEA0183_Sentences()[i];
        std::cout << std::setw(2) << i + 1 << "  " << entry.Name << (entry.Offered ? "" : "  (not offered)") << "\n";
        const auto& fields = catalog.NMEA0183_Map()[i].Fields;
        for (std::size_t f = 0; f < fields.size(); ++f)
            std::cout << "      " << std::setw(2) << f << "  size " << std::setw(2) << fields[f].Dimension << "  "
                      << fields[f].Field << "\n";
    }
}

} // namespace

Command addCatalogCommand(CLI::App& parent)
{
    auto json = std::make_shared<bool>(false);
    CLI::App* app = parent.add_subcommand("catalog", "Print the NMEA 0183 sentence catalog");
    app->add_flag("--json", *json, "Print as one JSON array of sentences with their fields");
    return Command{app, [json] {
                       const Catalog catalog = Catalog::Init_NMEA0183_Map();
                       if (*json)
                           std::cout << catalogJson(catalog).dump() << "\n";
                       else
                           printTable(catalog);
                       return kSuccess;
                   }};
}

} // namespace birch::cli
