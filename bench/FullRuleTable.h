#pragma once

#include "nmea/Rule.h"

#include <string>

namespace birch::bench {

// A full rule table as the rule editor writes it: 100 enabled XDR rules, four bytes each, side by
// side from byte 0, alternating between two channels.
inline RuleTable fullRuleTable()
{
    RuleTable rules;
    for (std::size_t i = 0; i < kRuleRows; ++i) {
        TNMEA0183_Rule& rule = rules[i];
        rule.Serial_Channel = i % 2 ? "RS485 2" : "RS485 / RS422";
        rule.Sentence = "XDR";
        rule.Index = std::to_string(i % 10 + 1);
        rule.DataField = "Measurement data [floating point]";
        rule.PortOperation = "x 100";
        rule.Swap16 = true;
        rule.Position = std::to_string(i * 4);
        rule.Mnemonic = "sensor " + std::to_string(i + 1);
    }
    return rules;
}

} // namespace birch::bench
