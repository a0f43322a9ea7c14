#include "platform/ComPortLister.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace birch {

namespace {

// Takes the port exclusively for the probe and gives exclusivity back only if this probe set
// it, so a port another program holds exclusively stays so.
void probeExclusively(int fd)
{
    int wasExclusive = 0;
    if (::ioctl(fd, TIOCGEXCL, &wasExclusive) != 0)
        return;
    if (wasExclusive == 0 && ::ioctl(fd, TIOCEXCL) == 0)
        ::ioctl(fd, TIOCNXCL);
}

bool portPresent(const std::filesystem::path& device)
{
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EBUSY || errno == EACCES; // held by another program or not ours to open
    probeExclusively(fd);
    ::close(fd);
    return true;
}

} // namespace

SystemComPortLister::SystemComPortLister(std::filesystem::path deviceDir) : deviceDir_(std::move(deviceDir)) {}

std::vector<std::string> SystemComPortLister::List_Com_Ports() const
{
    std::vector<std::string> ports;
    for (int n = 1; n <= kMaxPorts; ++n)
        if (portPresent(deviceDir_ / ("ttyS" + std::to_string(n - 1))))
            ports.push_back(std::to_string(n));
    return ports;
}

} // namespace birch
