#pragma once

#include "FailingFileWriter.h"
#include "RecordingUrlOpener.h"
#include "ScriptedModalRunner.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"

#include "core/AppState.h"
#include "lang/TextList.h"
#include "widgets/UiContext.h"

#include <QStringList>

namespace birch::test {

// A temporary AppDir with its workspace folders, English texts, the catalog, and scripted seams.
struct UiFixture {
    UiFixture()
    {
        state.AppDir = dir.path();
        state.MasterDir = dir.path() / "MASTER";
        state.ProjectsDir = dir.path() / "PROJECTS";
        state.LanguageDir = dir.path() / "LANGUAGE";
        std::filesystem::create_directories(state.MasterDir);
        std::filesystem::create_directories(state.ProjectsDir);
        std::filesystem::create_directories(state.LanguageDir);
        Load_Default_Texts(state.TextTable);
        state.NMEA0183 = Catalog::Init_NMEA0183_Map();
    }

    // Makes `name` the active project (folder and bin/ created) and sets the file paths.
    void openProject(const std::string& name)
    {
        state.ProjectName = name;
        state.ProjectDir = state.ProjectsDir / name;
        std::filesystem::create_directories(state.ProjectDir / "bin");
        state.ParGenFile = state.ProjectDir / "ParGen.xml";
        state.NmeaAccessFile = state.ProjectDir / "NMEA_0183_Set_Access.xml";
        state.MqttTopicFile = state.ProjectDir / "MQTT_Set_Topic.xml";
        state.EtherCatSlaveFile = state.ProjectDir / "EtherCAT_Slave.xml";
    }

    // Every unscripted or unused prompt and modal script.
    QStringList problems() const
    {
        QStringList all = prompter.problems();
        all << runner.problems;
        if (!runner.allScriptsUsed())
            all << QStringLiteral("modal scripts left unused");
        return all;
    }

    TempDir dir;
    AppState state;
    ScriptedPrompter prompter;
    RecordingUrlOpener urlOpener;
    ScriptedModalRunner runner;
    AtomicFileWriter fileWriter;
    UiContext context{state, prompter, urlOpener, runner, fileWriter};
};

} // namespace birch::test
