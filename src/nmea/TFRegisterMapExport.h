#pragma once

#include "nmea/Rule.h"
#include "widgets/UiContext.h"

class QWidget;

namespace birch {

// The rule editor's Export: asks for a file in the project folder (its extension chooses CSV,
// Markdown or HTML; another name becomes a CSV file), asks before replacing one, and writes the
// register map of the table's rules with the register table ParGen.xml chooses.
void Export_Register_Map(UiContext& context, QWidget* parent, const RuleTable& rules);

} // namespace birch
