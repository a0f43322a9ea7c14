#pragma once

#include "platform/ComPortLister.h"

#include <string>
#include <utility>
#include <vector>

namespace birch::test {

// Answers a fixed port list and counts the calls, so window tests never probe devices.
class FakeComPortLister final : public ComPortLister {
public:
    explicit FakeComPortLister(std::vector<std::string> ports = {}) : ports(std::move(ports)) {}

    std::vector<std::string> List_Com_Ports() const override
    {
        ++calls;
        return ports;
    }

    std::vector<std::string> ports;
    mutable int calls = 0;
};

} // namespace birch::test
