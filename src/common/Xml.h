#pragma once

#include "common/TextPosition.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace birch {

// A parsed XML document, or why it could not be parsed.
struct XmlParseResult {
    std::unique_ptr<pugi::xml_document> document;
    std::string error;         // in plain words
    TextPosition errorAt = {}; // where the parser stopped

    bool ok() const { return document != nullptr; }
};

// Parses with pugi::parse_full, so that a declaration, comment, processing instruction or
// DOCTYPE before the root counts as the document's first node. `extraOptions` adds pugixml
// parse flags (the settings file keeps a whitespace-only value with parse_ws_pcdata_single).
XmlParseResult parseXml(std::string_view bytes, unsigned extraOptions = 0);

// The document's first top-level node, whatever its type (may be empty).
pugi::xml_node firstNode(const pugi::xml_document& document);

// The first child element of `parent` with exactly this name (may be empty).
pugi::xml_node childElement(pugi::xml_node parent, const char* name);

// All children of `parent` in document order, of every node type.
std::vector<pugi::xml_node> childrenByPosition(pugi::xml_node parent);

// The text of the named child element, or nothing when the element is missing. An element
// present with empty text gives an empty text.
std::optional<std::string> childText(pugi::xml_node parent, const char* name);

// Serialises raw UTF-8 without declaration or indentation. Empty elements are written as <name/>.
std::string serializeXml(const pugi::xml_document& document);

// How a project or settings file was read: missing, parsed, or present but unusable.
struct XmlFileResult {
    enum class Status { Missing, Ok, Unreadable, Malformed };
    Status status = Status::Missing;
    std::unique_ptr<pugi::xml_document> document;
    std::string reason;   // for Unreadable and Malformed
    TextPosition at = {}; // for Malformed: where the parser stopped

    bool ok() const { return status == Status::Ok; }
};

// Reads (size-capped, regular files only) and parses a file.
XmlFileResult loadXmlFile(const std::filesystem::path& file, unsigned extraOptions = 0);

} // namespace birch
