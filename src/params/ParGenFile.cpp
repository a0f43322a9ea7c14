#include "params/ParGenFile.h"

#include "common/DecimalNumber.h"
#include "common/Xml.h"
#include "core/BuildConstants.h"
#include "params/ParGenKeys.h"
#include "params/ParGenLists.h"

#include <string_view>

namespace birch {

namespace {

template <class... Visitors> struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Spelled out for compilers that do not deduce an aggregate's arguments (clang 14, the fuzz build).
template <class... Visitors> Overloaded(Visitors...) -> Overloaded<Visitors...>;

// Sets the field of `key` from the element's text, by the key's kind.
void readValue(TParGen& record, const ParGenKey& key, const std::string& text)
{
    std::visit(Overloaded{
                   [&](bool TParGen::*field) { record.*field = text == "1"; },
                   [&](std::string TParGen::*field) { record.*field = text; },
                   [&](int TParGen::*field) {
                       switch (key.kind) {
                       case ParGenKind::Baud:
                           record.*field = Baud_to_Index(text);
                           break;
                       case ParGenKind::Parity:
                           record.*field = Parity_to_Index(text);
                           break;
                       case ParGenKind::Stop:
                           record.*field = StopBits_to_Index(text);
                           break;
                       default:
                           record.*field = decimalOr(text, 0);
                           break;
                       }
                   },
               },
               key.field);
}

// The list text at `position`; a position outside the list writes what reading back would
// turn it into anyway, the list's fallback.
template <std::size_t N>
std::string listText(const std::array<std::string_view, N>& list, int position, std::size_t fallback)
{
    const bool inList = position >= 0 && static_cast<std::size_t>(position) < N;
    return std::string(list[inList ? static_cast<std::size_t>(position) : fallback]);
}

std::string encodeValue(const TParGen& record, const ParGenKey& key)
{
    return std::visit(Overloaded{
                          [&](bool TParGen::*field) { return std::string(record.*field ? "1" : "0"); },
                          [&](std::string TParGen::*field) { return record.*field; },
                          [&](int TParGen::*field) {
                              const int value = record.*field;
                              switch (key.kind) {
                              case ParGenKind::Baud:
                                  return listText(BaudList, value, 2);
                              case ParGenKind::Parity:
                                  return listText(ParityList, value, 0);
                              case ParGenKind::Stop:
                                  return listText(StopBitsList, value, 0);
                              default:
                                  return std::to_string(value);
                              }
                          },
                      },
                      key.field);
}

} // namespace

ParGenLoad LoadParGen(const std::filesystem::path& file)
{
    ParGenLoad result;
    // Keeps a value made only of blanks, as typed.
    const XmlFileResult read = loadXmlFile(file, pugi::parse_ws_pcdata_single);
    switch (read.status) {
    case XmlFileResult::Status::Missing:
        return result;
    case XmlFileResult::Status::Unreadable:
        result.status = ParGenLoad::Status::Unreadable;
        result.reason = read.reason;
        return result;
    case XmlFileResult::Status::Malformed:
        result.status = ParGenLoad::Status::Malformed;
        result.reason = read.reason;
        result.at = read.at;
        return result;
    case XmlFileResult::Status::Ok:
        break;
    }
    result.status = ParGenLoad::Status::Ok;
    const pugi::xml_node root = firstNode(*read.document);
    for (const ParGenKey& key : ParGenKeys)
        if (const auto text = childText(root, std::string(key.name).c_str()))
            readValue(result.record, key, *text);
    return result;
}

std::string ParGenXml(const TParGen& record)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Par_Gen");
    document.append_child(pugi::node_comment).set_value(std::string(kSoftwareVersionComment).c_str());
    for (const ParGenKey& key : ParGenKeys) {
        pugi::xml_node element = root.append_child(std::string(key.name).c_str());
        const std::string value = encodeValue(record, key);
        if (!value.empty())
            element.append_child(pugi::node_pcdata).set_value(value.c_str());
    }
    return serializeXml(document);
}

std::optional<WriteError> SaveParGen(const std::filesystem::path& file, const TParGen& record, FileWriter& writer)
{
    return writer.write(file, ParGenXml(record));
}

} // namespace birch
