#include "nmea/DataAreaTexts.h"

#include "lang/ExtraTextNumbers.h"
#include "nmea/ModbusRegisters.h"

namespace birch {

namespace {

std::string byteRange(int first, int last)
{
    return first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
}

} // namespace

std::string byteTipText(const ExtraTexts& extra, const Catalog& catalog, const DataAreaMap& map, int byte)
{
    std::string text =
        extra[ext::kMapByte] + std::to_string(byte) + extra[ext::kMapRegister] + std::to_string(registerOf(byte));
    const auto& claims = map.claims(byte);
    if (claims.empty())
        return text + extra[ext::kMapFree];
    for (const int claim : claims) {
        const PlacedRule& rule = map.rules()[static_cast<std::size_t>(claim)];
        text += "\n" + extra[ext::kMapRow] + std::to_string(rule.row) + ": " + std::string(rule.sentenceName(catalog)) +
                ", " + std::string(rule.fieldText(catalog));
    }
    return text;
}

std::string overlapWarningText(const ExtraTexts& extra, const DataAreaMap& map)
{
    if (map.overlaps().empty())
        return {};
    std::string text = extra[ext::kOverlapWarning];
    for (const ByteOverlap& overlap : map.overlaps())
        text += "\n" + extra[ext::kOverlapRows] + std::to_string(overlap.rowA) + extra[ext::kOverlapAnd] +
                std::to_string(overlap.rowB) + extra[ext::kOverlapBytes] +
                byteRange(overlap.firstByte, overlap.lastByte);
    return text + "\n\n" + extra[ext::kOverlapSaveAnyway];
}

} // namespace birch
