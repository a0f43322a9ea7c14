#include "FailingFileWriter.h"
#include "FileFaults.h"
#include "ImageTestData.h"
#include "TempDir.h"

#include "core/AppState.h"
#include "image/BankStep.h"
#include "nmea/Catalog.h"

#include <gtest/gtest.h>

#include <cstring>

namespace birch::test {
namespace {

struct Project {
    Project()
    {
        state.ProjectDir = dir / "P1";
        state.ParGenFile = state.ProjectDir / "ParGen.xml";
        state.NmeaAccessFile = state.ProjectDir / "NMEA_0183_Set_Access.xml";
        state.NMEA0183 = Catalog::Init_NMEA0183_Map();
        std::filesystem::create_directories(state.ProjectDir);
    }
    TempDir dir;
    AppState state;
    AtomicFileWriter writer;
};

TEST(ImageBankStep, CreatesAMissingBinFolderAndWritesTheImage)
{
    Project p;
    writeFixture(p.state.ParGenFile, rs485ParGen());
    writeFixture(p.state.NmeaAccessFile, rulesXml({rule(), rule({{"Enable", "N"}})}));
    const BankStepOutcome outcome = compileAndSaveBank(p.state, p.writer);
    ASSERT_TRUE(outcome.ok()) << outcome.reason;
    EXPECT_EQ(outcome.file, p.state.ProjectDir / "bin" / "bank.bin");
    EXPECT_EQ(outcome.accepted, 1);
    const std::string bytes = readAll(outcome.file);
    ASSERT_EQ(bytes.size(), 3584u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0x25C]), 1);
}

TEST(ImageBankStep, MissingFilesGiveTheDefaultImage)
{
    Project p;
    const BankStepOutcome outcome = compileAndSaveBank(p.state, p.writer);
    ASSERT_TRUE(outcome.ok());
    const std::string bytes = readAll(outcome.file);
    ASSERT_EQ(bytes.size(), 3584u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0x02B]), 205);
}

TEST(ImageBankStep, ReportsAFileThatCannotBeWritten)
{
    Project p;
    FailingFileWriter failing("disk full");
    const BankStepOutcome outcome = compileAndSaveBank(p.state, failing);
    EXPECT_EQ(outcome.status, BankStepOutcome::Status::WriteFailed);
    EXPECT_EQ(outcome.file, p.state.ProjectDir / "bin" / "bank.bin");
    EXPECT_EQ(outcome.reason, "disk full");
}

TEST(ImageBankStep, RefusesWithoutAnOpenProject)
{
    Project p;
    p.state.ProjectDir.clear();
    FailingFileWriter writer;
    EXPECT_EQ(compileAndSaveBank(p.state, writer).status, BankStepOutcome::Status::WriteFailed);
    EXPECT_TRUE(writer.attempts.empty());
}

TEST(ImageBankStep, ReportsAFolderThatCannotBeCreated)
{
    Project p;
    writeFixture(p.state.ProjectDir / "bin", "a file where the folder belongs");
    const BankStepOutcome outcome = compileAndSaveBank(p.state, p.writer);
    EXPECT_EQ(outcome.status, BankStepOutcome::Status::WriteFailed);
    EXPECT_FALSE(outcome.reason.empty());
}

TEST(ImageBankStep, MalformedOrUnreadableSourcesStopBeforeWriting)
{
    struct Case {
        const char* name;
        bool parGenIsFolder;
        bool rulesIsFolder;
        std::string parGen;
        std::string rules;
        BankStepOutcome::Status status;
        bool parGenNamed;
    };
    const std::vector<Case> cases = {
        {"broken ParGen", false, false, "<Par_Gen><RS232_ENABLE>1</Par_Gen>", rulesXml({rule()}),
         BankStepOutcome::Status::Malformed, true},
        {"broken rules", false, false, rs485ParGen(), "<NMEA_0183><NMEA_Listener>", BankStepOutcome::Status::Malformed,
         false},
        {"ParGen is a folder", true, false, "", rulesXml({rule()}), BankStepOutcome::Status::Unreadable, true},
        {"rules are a folder", false, true, rs485ParGen(), "", BankStepOutcome::Status::Unreadable, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project p;
        if (c.parGenIsFolder)
            std::filesystem::create_directories(p.state.ParGenFile);
        else
            writeFixture(p.state.ParGenFile, c.parGen);
        if (c.rulesIsFolder)
            std::filesystem::create_directories(p.state.NmeaAccessFile);
        else
            writeFixture(p.state.NmeaAccessFile, c.rules);
        const BankStepOutcome outcome = compileAndSaveBank(p.state, p.writer);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.file, c.parGenNamed ? p.state.ParGenFile : p.state.NmeaAccessFile);
        EXPECT_FALSE(outcome.reason.empty());
        EXPECT_FALSE(std::filesystem::exists(p.state.ProjectDir / "bin" / "bank.bin"));
    }
}

TEST(ImageBankStep, RuleFileThatCannotBeOpenedStopsBeforeWriting)
{
    Project p;
    writeFixture(p.state.ParGenFile, rs485ParGen());
    writeFixture(p.state.NmeaAccessFile, rulesXml({rule()}));
    const ScopedFileSystemCalls faulty(openingFails(p.state.NmeaAccessFile, EACCES));
    const BankStepOutcome outcome = compileAndSaveBank(p.state, p.writer);
    EXPECT_EQ(outcome.status, BankStepOutcome::Status::Unreadable);
    EXPECT_EQ(outcome.file, p.state.NmeaAccessFile);
    EXPECT_EQ(outcome.reason, std::strerror(EACCES));
    EXPECT_FALSE(std::filesystem::exists(p.state.ProjectDir / "bin" / "bank.bin"));
}

} // namespace
} // namespace birch::test
