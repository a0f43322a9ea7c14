#pragma once

#include "common/GridModel.h"
#include "lang/TextList.h"
#include "profiles/MqttTopicColumns.h"

#include <optional>
#include <string>
#include <string_view>

namespace birch {

// Keywords stand between two "$" signs, so an odd count of "$" leaves one unclosed.
bool Error_In_Topic_Template(std::string_view text);

// The first row that OK refuses: its list, its row number, the rule's text number and, for a
// position out of range, the highest valid position that the message ends with.
struct MqttFailure {
    MqttList list = MqttList::Publish;
    int row = 0;
    int text = 0;
    std::optional<int> highestPosition;

    bool operator==(const MqttFailure&) const = default;
};

// Checks the publish rows in use, then the subscribe rows in use, each rule only where its
// column is shown (the timer rule always); nothing when every row passes.
std::optional<MqttFailure> Controllo_dati(const GridModel& publish, const GridModel& subscribe, int Byte_IN,
                                          int Byte_OUT);

// "Error row " (text 1351), the row number and the rule's text.
std::string failureText(const TextList& texts, const MqttFailure& failure);

} // namespace birch
