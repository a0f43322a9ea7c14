#include "image/TFUpdateDevice.h"

#include "image/BankStep.h"
#include "image/TFBoot.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"
#include "widgets/QtText.h"

#include <string>

namespace birch {

namespace {

int messageFor(BankStepOutcome::Status status)
{
    switch (status) {
    case BankStepOutcome::Status::Unreadable:
        return ext::kImageSourceUnreadable;
    case BankStepOutcome::Status::Malformed:
        return ext::kImageSourceMalformed;
    case BankStepOutcome::Status::WriteFailed:
    case BankStepOutcome::Status::Ok:
        break;
    }
    return ext::kImageNotWritten;
}

} // namespace

bool Update_Device(UiContext& context, TFBoot& FBoot, QWidget* parent)
{
    const AppState& state = context.state;
    const BankStepOutcome outcome = compileAndSaveBank(state, context.fileWriter);
    if (!outcome.ok()) {
        context.prompter.error(parent, qs(describe(state, FileNotice{messageFor(outcome.status), outcome.file,
                                                                     outcome.reason, false, outcome.at})));
        return false;
    }
    if (outcome.leftOut > 0)
        context.prompter.warning(parent, qs(state.Extra[ext::kImageRulesLeftOut] + std::to_string(outcome.leftOut)));
    FBoot.Form_Type = 1;
    context.modalRunner.run(FBoot);
    return true;
}

} // namespace birch
