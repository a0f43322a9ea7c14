#include "nmea/TFObjectsMapStep.h"

#include "nmea/ObjectsMapFileName.h"
#include "nmea/ObjectsMapMessages.h"
#include "nmea/Save_Objects_Map.h"
#include "widgets/QtText.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace birch {

namespace {
constexpr int kProjectNotValid = 18;
constexpr int kStepCaption = 29;
constexpr int kOverwriteQuestion = 31;
} // namespace

void PROFINET_Map(UiContext& context, QWidget* parent)
{
    const AppState& state = context.state;
    // Without a project the dialog would open in the current folder and read no rule file.
    if (!state.projectActive()) {
        context.prompter.error(parent, qs(state.TextTable[kProjectNotValid]));
        return;
    }
    const auto chosen = context.prompter.saveFileName(parent, qs(state.TextTable[kStepCaption]),
                                                      QFile::decodeName(state.ProjectDir.c_str()),
                                                      QStringLiteral("CSV (MS-DOS) (*.csv)"));
    if (!chosen)
        return;
    const std::filesystem::path target = Objects_Map_File_Name(QFile::encodeName(*chosen).toStdString());
    // Anything of that name counts, a dangling link included: the write would replace it.
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(target, ec)) &&
        context.prompter.destructiveQuestion(parent, qs(state.TextTable[kOverwriteQuestion]),
                                             Prompter::Buttons::YesNoCancel) != Prompter::Answer::Yes)
        return;
    const ObjectsMapSave save = Save_Objects_Map(state, target, context.fileWriter);
    if (const auto message = objectsMapMessage(state.Extra, save))
        context.prompter.error(parent, qs(*message));
}

} // namespace birch
