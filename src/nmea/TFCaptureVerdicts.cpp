#include "nmea/TFCaptureVerdicts.h"

#include "lang/ExtraTextNumbers.h"
#include "nmea/CaptureCheckText.h"
#include "widgets/QtText.h"

namespace birch {

namespace {
const QColor kSeen(0x56, 0xB4, 0xE9);
const QColor kNeverSeen(0xE6, 0x9F, 0x00);
} // namespace

std::map<int, RowMark> captureVerdictMarks(const ExtraTexts& extra, const CaptureCheck& check)
{
    std::map<int, RowMark> marks;
    for (const RuleCaptureResult& result : check.rules) {
        const bool never = result.neverSeen();
        std::string tip = extra[ext::kCaptureVerdict] + extra[never ? ext::kCaptureNeverSeen : ext::kCaptureSeen] +
                          " (" + result.sentence + " " + std::to_string(result.seen) + ", " + rateText(result.rate) +
                          "/s)";
        if (!result.indexesSeen.empty())
            tip += "\n" + indexText(result);
        marks[result.row - 1] = RowMark{never ? kNeverSeen : kSeen, never, qs(tip)};
    }
    return marks;
}

} // namespace birch
