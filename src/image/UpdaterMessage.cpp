#include "image/UpdaterMessage.h"

#include "lang/ExtraTextNumbers.h"

namespace birch {

namespace {

UpdaterMessage ended(const ExtraTexts& extra, const ProgramExit& exit)
{
    switch (exit.how) {
    case ProgramExit::How::Exited:
        if (exit.value == 0)
            return {UpdaterMessage::Kind::Information, extra[ext::kUpdaterFinished]};
        return {UpdaterMessage::Kind::Error, extra[ext::kUpdaterFailed] + std::to_string(exit.value)};
    case ProgramExit::How::Signalled:
        return {UpdaterMessage::Kind::Error,
                extra[ext::kUpdaterSignalled] + std::to_string(exit.value) + " (" + signalName(exit.value) + ")"};
    case ProgramExit::How::Unknown:
        break;
    }
    return {UpdaterMessage::Kind::Warning, extra[ext::kUpdaterEndUnknown]};
}

} // namespace

UpdaterMessage updaterMessage(const ExtraTexts& extra, const std::filesystem::path& program, const ProgramRun& run)
{
    if (run.notStarted)
        return {UpdaterMessage::Kind::Error,
                extra[ext::kUpdaterNotStarted] + program.string() + ": " + *run.notStarted};
    switch (run.waited.outcome) {
    case ProgramWaitOutcome::Ended:
        return ended(extra, run.waited.exit);
    case ProgramWaitOutcome::LeftRunning:
    case ProgramWaitOutcome::Cancelled:
        break;
    }
    return {UpdaterMessage::Kind::Warning, extra[ext::kUpdaterStillRunning] + program.string()};
}

} // namespace birch
