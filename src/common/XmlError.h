#pragma once

#include "common/TextPosition.h"

#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace birch {

// Why the parser refused a document, in plain words, and where in the file it stopped.
struct XmlError {
    std::string reason;
    TextPosition at = {};
};

// `bytes` are the file's bytes exactly as parsed; `parsed` is the parser's failed result.
XmlError describeXmlError(std::string_view bytes, const pugi::xml_parse_result& parsed);

} // namespace birch
