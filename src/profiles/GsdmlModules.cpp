#include "profiles/GsdmlModules.h"

#include "profiles/GsdmlDataType.h"

#include <algorithm>
#include <cstdio>

namespace birch {

namespace {

// The bytes of a rule's fields in the device's input data: [first, end).
struct ByteSpan {
    int first = 0;
    int end = 0;
};

ByteSpan spanOf(const ObjectsMapRule& rule)
{
    if (rule.fields.empty())
        return {};
    ByteSpan span{rule.fields.front().firstByte, rule.fields.front().firstByte};
    for (const ObjectsMapField& field : rule.fields) {
        span.first = std::min(span.first, field.firstByte);
        span.end = std::max(span.end, field.firstByte + std::max(field.size, 0));
    }
    return span;
}

std::string hex32(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

// "Temp - MTW (RS232)": what the PLC programmer recognises the rule by.
std::string moduleName(const ObjectsMapRule& rule)
{
    std::string name = rule.mnemonic.empty() ? rule.sentence : rule.mnemonic + " - " + rule.sentence;
    if (!rule.serialChannel.empty())
        name += " (" + rule.serialChannel + ")";
    return name;
}

std::string byteRange(const ByteSpan& span)
{
    if (span.end <= span.first)
        return "no input bytes";
    if (span.end - span.first == 1)
        return "input byte " + std::to_string(span.first);
    return "input bytes " + std::to_string(span.first) + " to " + std::to_string(span.end - 1);
}

std::string beyondLimit(int inputBytes)
{
    return "beyond the " + std::to_string(inputBytes) + " input bytes of the device";
}

std::string moduleInfo(const ObjectsMapRule& rule, const ByteSpan& span, bool fits, int inputBytes)
{
    std::string info;
    if (!fits)
        info = "DOES NOT FIT: " + beyondLimit(inputBytes) + ". ";
    info += "Rule " + std::to_string(rule.row) + ": NMEA 0183 sentence " + rule.sentence;
    if (!rule.serialChannel.empty())
        info += " from " + rule.serialChannel;
    if (!rule.mnemonic.empty())
        info += ", mnemonic " + rule.mnemonic;
    return info + "; " + byteRange(span) + ".";
}

void appendInput(pugi::xml_node ioData, const ObjectsMapRule& rule, const std::string& prefix, GsdmlTexts& texts)
{
    pugi::xml_node input;
    int number = 0;
    for (const ObjectsMapField& field : rule.fields) {
        ++number;
        // A field that takes no bytes has nothing to show.
        if (field.size <= 0)
            continue;
        if (!input)
            input = appendElement(ioData, "Input", {{"Consistency", "All items consistency"}});
        const GsdmlDataType type = gsdmlDataType(field.text, field.size);
        const std::string textId = texts.add(prefix + "_F" + std::to_string(number), field.text);
        if (type.length > 0)
            appendElement(input, "DataItem",
                          {{"DataType", type.name}, {"Length", std::to_string(type.length)}, {"TextId", textId}});
        else
            appendElement(input, "DataItem", {{"DataType", type.name}, {"TextId", textId}});
    }
}

} // namespace

std::string inputModuleId(int slot)
{
    return "IDM_" + std::to_string(slot);
}

int appendInputModules(const ObjectsMap& map, int inputBytes, pugi::xml_node useableModules, pugi::xml_node moduleList,
                       GsdmlTexts& texts)
{
    int marked = 0;
    int slot = 0;
    for (const ObjectsMapRule& rule : map.rules) {
        ++slot;
        const std::string id = inputModuleId(slot);
        const std::string prefix = "T_M" + std::to_string(slot);
        const ByteSpan span = spanOf(rule);
        const bool fits = span.end <= inputBytes;
        appendElement(useableModules, "ModuleItemRef",
                      {{"ModuleItemTarget", id}, {"FixedInSlots", std::to_string(slot)}});

        if (!fits) {
            ++marked;
            const std::string note = " Slot " + std::to_string(slot) + " needs " + byteRange(span) + ", " +
                                     beyondLimit(inputBytes) + ": it does not fit. ";
            moduleList.append_child(pugi::node_comment).set_value(note.c_str());
        }
        const std::string nameId = texts.add(prefix + "_NAME", moduleName(rule));
        const std::string infoId = texts.add(prefix + "_INFO", moduleInfo(rule, span, fits, inputBytes));
        pugi::xml_node module =
            appendElement(moduleList, "ModuleItem", {{"ID", id}, {"ModuleIdentNumber", hex32(0x100 + slot)}});
        appendModuleInfo(module, nameId, infoId);

        pugi::xml_node submodule =
            appendElement(appendElement(module, "VirtualSubmoduleList"), "VirtualSubmoduleItem",
                          {{"ID", "IDSM_" + std::to_string(slot)}, {"SubmoduleIdentNumber", hex32(1)}});
        appendInput(appendElement(submodule, "IOData"), rule, prefix, texts);
        appendModuleInfo(submodule, nameId, infoId);
    }
    return marked;
}

} // namespace birch
