#pragma once

#include <pugixml.hpp>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace birch {

// An element appended to `parent`, with its attributes in the given order.
pugi::xml_node appendElement(pugi::xml_node parent, const char* name,
                             std::initializer_list<std::pair<const char*, std::string_view>> attributes = {});

// ModuleInfo with the name and the info text of a module or submodule.
pugi::xml_node appendModuleInfo(pugi::xml_node parent, const std::string& nameId, const std::string& infoId);

// The texts of a GSDML file: every name in it refers by id to one entry of the external text
// list, written last.
class GsdmlTexts {
public:
    // Keeps `value` (made safe for XML, one line) under `id`; returns the id.
    std::string add(std::string id, std::string_view value);
    // ExternalTextList with the primary language's texts, in the order they were added.
    void appendTo(pugi::xml_node applicationProcess) const;

private:
    std::vector<std::pair<std::string, std::string>> texts_;
};

} // namespace birch
