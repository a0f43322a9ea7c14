#include "widgets/RowButtons.h"

#include "common/GridRowOperations.h"
#include "widgets/GridView.h"
#include "widgets/Prompter.h"
#include "widgets/QtText.h"

namespace birch {

namespace {
constexpr int kRowAlreadyUsed = 900;
constexpr int kCopiedRowDoesNotFit = 901;
constexpr int kNothingCopied = 902;
} // namespace

RowButtons::RowButtons(GridView& view, AppState& state, Prompter& prompter, RowFamily family)
    : view_(view), state_(state), prompter_(prompter), family_(family)
{
}

bool RowButtons::deleteRow(const std::string& question, bool enable)
{
    return deleteRowAsking([&question](int row) { return question + std::to_string(row); }, enable);
}

bool RowButtons::deleteRowAsking(const std::function<std::string(int row)>& questionFor, bool enable)
{
    const int row = view_.currentRow();
    if (!view_.grid().isDataRow(row))
        return false;
    if (prompter_.destructiveQuestion(&view_, qs(questionFor(row))) != Prompter::Answer::Yes)
        return false;
    if (family_ == RowFamily::CheckBox)
        Delete_Row_Check(row, view_.grid(), enable);
    else
        Delete_Row(row, view_.grid());
    view_.refresh();
    return true;
}

void RowButtons::insertRow(bool enable)
{
    const int row = view_.currentRow();
    if (family_ == RowFamily::CheckBox)
        Insert_Row_Check(row, view_.grid(), enable);
    else
        Insert_Row(row, view_.grid(), enable);
    view_.refresh();
}

bool RowButtons::copyRow()
{
    const int row = view_.currentRow();
    if (!view_.grid().isDataRow(row))
        return false;
    if (family_ == RowFamily::CheckBox)
        Copy_Row_Check(view_.grid(), row, state_.CopyBuffer, state_.CheckBoxColumns);
    else
        Copy_Row(view_.grid(), row, state_.CopyBuffer);
    copied_ = true;
    return true;
}

bool RowButtons::pasteRow()
{
    const auto confirm = [this] {
        return prompter_.destructiveQuestion(&view_, qs(state_.TextTable[kRowAlreadyUsed])) == Prompter::Answer::Yes;
    };
    const int row = view_.currentRow();
    const PasteOutcome outcome =
        family_ == RowFamily::CheckBox
            ? Paste_Row_Check(view_.grid(), row, copied_, state_.CopyBuffer, state_.CheckBoxColumns, confirm)
            : Paste_Row(view_.grid(), row, copied_, state_.CopyBuffer, confirm);
    switch (outcome) {
    case PasteOutcome::Pasted:
        view_.refresh();
        return true;
    case PasteOutcome::NothingCopied:
        prompter_.error(&view_, qs(state_.TextTable[kNothingCopied]));
        return false;
    case PasteOutcome::DoesNotFit:
        prompter_.error(&view_, qs(state_.TextTable[kCopiedRowDoesNotFit]));
        return false;
    case PasteOutcome::Declined:
    case PasteOutcome::NoRow:
        return false;
    }
    return false;
}

} // namespace birch
