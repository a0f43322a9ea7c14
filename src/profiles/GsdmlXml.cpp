#include "profiles/GsdmlXml.h"

#include "common/XmlText.h"

namespace birch {

pugi::xml_node appendElement(pugi::xml_node parent, const char* name,
                             std::initializer_list<std::pair<const char*, std::string_view>> attributes)
{
    pugi::xml_node element = parent.append_child(name);
    for (const auto& [attribute, value] : attributes)
        element.append_attribute(attribute).set_value(std::string(value).c_str());
    return element;
}

pugi::xml_node appendModuleInfo(pugi::xml_node parent, const std::string& nameId, const std::string& infoId)
{
    pugi::xml_node info = appendElement(parent, "ModuleInfo");
    appendElement(info, "Name", {{"TextId", nameId}});
    appendElement(info, "InfoText", {{"TextId", infoId}});
    return info;
}

std::string GsdmlTexts::add(std::string id, std::string_view value)
{
    texts_.emplace_back(id, xmlLineText(value));
    return id;
}

void GsdmlTexts::appendTo(pugi::xml_node applicationProcess) const
{
    pugi::xml_node primary = appendElement(appendElement(applicationProcess, "ExternalTextList"), "PrimaryLanguage");
    for (const auto& [id, value] : texts_)
        appendElement(primary, "Text", {{"TextId", id}, {"Value", value}});
}

} // namespace birch
