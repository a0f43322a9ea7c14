#pragma once

#include "lang/ExtraTexts.h"
#include "nmea/CaptureCheck.h"
#include "widgets/RowMarkDelegate.h"

#include <map>

namespace birch {

// The verdict of each checked rule as a mark on its row (rows of the table's model, from 0):
// blue when its sentence was seen, hatched orange when never; the tip gives the verdict, the
// count and rate of the sentence and the indexes seen.
std::map<int, RowMark> captureVerdictMarks(const ExtraTexts& extra, const CaptureCheck& check);

} // namespace birch
