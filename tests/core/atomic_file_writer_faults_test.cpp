#include "platform/FileWriter.h"

#include "FileFaults.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace birch::test {
namespace {

// One system call of the write fails; the caller learns which file and why, the old content
// stays and no temporary file is left.
struct CallFault {
    const char* name;
    int error;
    std::function<void(FileSystemCalls&)> breakCall;
};

class AtomicFileWriterFault : public testing::TestWithParam<CallFault> {};

TEST_P(AtomicFileWriterFault, ReachesTheCallerAndLeavesNoTrace)
{
    TempDir dir;
    writeFixture(dir / "a.xml", "old");
    FileSystemCalls calls = systemFileSystemCalls();
    GetParam().breakCall(calls);
    std::optional<WriteError> error;
    {
        const ScopedFileSystemCalls faulty(calls);
        error = AtomicFileWriter().write(dir / "a.xml", "new content");
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->file, dir / "a.xml");
    EXPECT_EQ(error->reason, std::strerror(GetParam().error));
    EXPECT_EQ(readAll(dir / "a.xml"), "old");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.xml"});
}

// A close that fails has still released the descriptor, as the system's does.
auto closeFailsAfterClosing(int error)
{
    return [error, close = systemFileSystemCalls().close](int fd) {
        close(fd);
        errno = error;
        return -1;
    };
}

INSTANTIATE_TEST_SUITE_P(
    Calls, AtomicFileWriterFault,
    testing::Values(CallFault{"mkstemp", EACCES, [](FileSystemCalls& c) { c.mkstemp = failWith(EACCES); }},
                    CallFault{"write", ENOSPC, [](FileSystemCalls& c) { c.write = failWith(ENOSPC); }},
                    CallFault{"fchmod", EPERM, [](FileSystemCalls& c) { c.fchmod = failWith(EPERM); }},
                    CallFault{"fsync", EIO, [](FileSystemCalls& c) { c.fsync = failWith(EIO); }},
                    CallFault{"close", EDQUOT, [](FileSystemCalls& c) { c.close = closeFailsAfterClosing(EDQUOT); }},
                    CallFault{"rename", EXDEV, [](FileSystemCalls& c) { c.rename = failWith(EXDEV); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The content is on disk before the rename makes it visible, and the folder entry after.
TEST(AtomicFileWriter, SyncsTheFileBeforeTheRenameAndTheFolderAfter)
{
    TempDir dir;
    std::vector<std::string> log;
    FileSystemCalls calls = systemFileSystemCalls();
    const auto record = [&log](const char* name, auto call) {
        return [&log, name, call](auto... args) {
            log.push_back(name);
            return call(args...);
        };
    };
    calls.mkstemp = record("mkstemp", calls.mkstemp);
    calls.open = record("open", calls.open);
    calls.write = record("write", calls.write);
    calls.fchmod = record("fchmod", calls.fchmod);
    calls.fsync = record("fsync", calls.fsync);
    calls.close = record("close", calls.close);
    calls.rename = record("rename", calls.rename);
    {
        const ScopedFileSystemCalls recording(calls);
        ASSERT_FALSE(AtomicFileWriter().write(dir / "a.xml", "new").has_value());
    }
    EXPECT_EQ(log, (std::vector<std::string>{"mkstemp", "write", "fchmod", "fsync", "close", "rename", "open", "fsync",
                                             "close"}));
    EXPECT_EQ(readAll(dir / "a.xml"), "new");
}

// Once renamed the new content is in place; a folder that cannot be synced does not undo that.
TEST(AtomicFileWriter, FolderThatCannotBeSyncedKeepsTheNewContent)
{
    TempDir dir;
    writeFixture(dir / "a.xml", "old");
    for (const bool openFails : {true, false}) {
        SCOPED_TRACE(openFails ? "open" : "fsync");
        FileSystemCalls calls = systemFileSystemCalls();
        if (openFails)
            calls.open = failWith(EACCES);
        int syncs = 0;
        calls.fsync = [&syncs, fsync = calls.fsync](int fd) {
            if (++syncs == 2) {
                errno = EIO;
                return -1;
            }
            return fsync(fd);
        };
        const ScopedFileSystemCalls faulty(calls);
        EXPECT_FALSE(AtomicFileWriter().write(dir / "a.xml", "new").has_value());
        EXPECT_EQ(readAll(dir / "a.xml"), "new");
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.xml"});
    }
}

} // namespace
} // namespace birch::test
