#include "platform/ComPortLister.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace birch {
namespace {

using Ports = std::vector<std::string>;

void touch(const std::filesystem::path& file)
{
    test::writeFixture(file, "");
}

TEST(ListComPorts, EmptyFolderGivesNoPorts)
{
    test::TempDir dir;
    EXPECT_EQ(SystemComPortLister(dir.path()).List_Com_Ports(), Ports{});
    EXPECT_EQ(SystemComPortLister(dir / "missing").List_Com_Ports(), Ports{});
}

TEST(ListComPorts, MapsDevicesToPortNumbersInAscendingOrder)
{
    test::TempDir dir;
    touch(dir / "ttyS255"); // port 256, the last one
    touch(dir / "ttyS10");
    touch(dir / "ttyS0");
    ASSERT_EQ(::mkfifo((dir / "ttyS2").c_str(), 0600), 0);
    touch(dir / "ttyS3");
    std::filesystem::permissions(dir / "ttyS3", std::filesystem::perms::none); // access denied: present
    std::filesystem::create_directory(dir / "ttyS1");                          // not a device
    touch(dir / "ttyS256");                                                    // beyond port 256
    touch(dir / "ttyS04");
    touch(dir / "ttyUSB0");

    EXPECT_EQ(SystemComPortLister(dir.path()).List_Com_Ports(), (Ports{"1", "3", "4", "11", "256"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "ttyS5")); // probing never creates a device
}

// A pseudo-terminal stands in for a serial port held by another program.
class HeldPort {
public:
    HeldPort()
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
            return;
        const char* name = ::ptsname(master_);
        if (name != nullptr) {
            path_ = name;
            slave_ = ::open(name, O_RDWR | O_NOCTTY);
        }
    }
    ~HeldPort()
    {
        if (slave_ >= 0)
            ::close(slave_);
        if (master_ >= 0)
            ::close(master_);
    }
    bool ok() const { return slave_ >= 0; }
    const std::filesystem::path& path() const { return path_; }
    bool exclusive() const
    {
        int on = 0;
        return ::ioctl(slave_, TIOCGEXCL, &on) == 0 && on != 0;
    }
    void makeExclusive() const { ::ioctl(slave_, TIOCEXCL); }

private:
    int master_ = -1;
    int slave_ = -1;
    std::filesystem::path path_;
};

TEST(ListComPorts, PortsHeldByAnotherProgramArePresentAndKeepTheirMode)
{
    HeldPort shared;
    HeldPort exclusive;
    if (!shared.ok() || !exclusive.ok())
        GTEST_SKIP() << "no pseudo-terminals on this machine";
    exclusive.makeExclusive();
    test::TempDir dir;
    std::filesystem::create_symlink(shared.path(), dir / "ttyS4");
    std::filesystem::create_symlink(exclusive.path(), dir / "ttyS6");

    EXPECT_EQ(SystemComPortLister(dir.path()).List_Com_Ports(), (Ports{"5", "7"}));
    EXPECT_FALSE(shared.exclusive()); // the probe gave exclusivity back
    EXPECT_TRUE(exclusive.exclusive());
}

} // namespace
} // namespace birch
