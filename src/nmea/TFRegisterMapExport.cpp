#include "nmea/TFRegisterMapExport.h"

#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"
#include "nmea/RegisterReportFormat.h"
#include "nmea/ReportSourceMessages.h"
#include "widgets/QtText.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace birch {

namespace {
constexpr int kOverwriteQuestion = 31;
}

void Export_Register_Map(UiContext& context, QWidget* parent, const RuleTable& rules)
{
    const AppState& state = context.state;
    const auto chosen = context.prompter.saveFileName(parent, qs(state.Extra[ext::kExportCaption]),
                                                      QFile::decodeName(state.ProjectDir.c_str()),
                                                      QStringLiteral("CSV (*.csv);;Markdown (*.md);;HTML (*.html)"));
    if (!chosen)
        return;
    const ReportTarget target = reportTarget(QFile::encodeName(*chosen).toStdString());
    // Anything of that name counts, a dangling link included: the write would replace it.
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(target.file, ec)) &&
        context.prompter.destructiveQuestion(parent, qs(state.TextTable[kOverwriteQuestion]),
                                             Prompter::Buttons::YesNoCancel) != Prompter::Answer::Yes)
        return;
    const RegisterTableLoad registers = loadRegisterTable(state.ParGenFile);
    if (const auto failure = registerSourceFailure(state.Extra, registers, state.ParGenFile)) {
        context.prompter.error(parent, qs(*failure));
        return;
    }
    const RegisterReport report = makeRegisterReport(state.ProjectName, state.NMEA0183.value(), rules, registers);
    if (const auto error = context.fileWriter.write(target.file, registerReportText(report, target.format)))
        context.prompter.error(
            parent, qs(describe(state.Extra, FileNotice{ext::kFileCannotBeWritten, error->file, error->reason})));
}

} // namespace birch
