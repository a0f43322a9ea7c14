#include "platform/ComPortLister.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
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
    EXPECT_EQ(SystemComPortLister(dir.path(), dir.path()).List_Com_Ports(), Ports{});
    EXPECT_EQ(SystemComPortLister(dir / "missing", dir / "missing").List_Com_Ports(), Ports{});
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

    EXPECT_EQ(SystemComPortLister(dir.path(), dir / "sys").List_Com_Ports(), (Ports{"1", "3", "4", "11", "256"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "ttyS5")); // probing never creates a device
}

// A device we may not open: present unless the kernel says no UART is behind it. A read-only
// kernel setting refuses read-write opening even to root, so it stands in for such a device.
TEST(ListComPorts, DeniedDevicesWithoutUartAreLeftOut)
{
    const std::filesystem::path denied = "/proc/sys/kernel/osrelease";
    const int fd = ::open(denied.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0)
        ::close(fd);
    if (fd >= 0 || errno != EACCES)
        GTEST_SKIP() << "no device refusing access on this machine";
    test::TempDir dev;
    test::TempDir sys;
    for (const char* name : {"ttyS0", "ttyS1", "ttyS2"})
        std::filesystem::create_symlink(denied, dev / name);
    test::writeFixture(sys / "ttyS0" / "type", "4\n"); // a UART
    test::writeFixture(sys / "ttyS1" / "type", "0\n"); // none
    // ttyS2 has no description: kept.
    EXPECT_EQ(SystemComPortLister(dev.path(), sys.path()).List_Com_Ports(), (Ports{"1", "3"}));
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

    EXPECT_EQ(SystemComPortLister(dir.path(), dir / "sys").List_Com_Ports(), (Ports{"5", "7"}));
    EXPECT_FALSE(shared.exclusive()); // the probe gave exclusivity back
    EXPECT_TRUE(exclusive.exclusive());
}

} // namespace
} // namespace birch
