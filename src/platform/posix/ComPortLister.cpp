#include "platform/ComPortLister.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <string>
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

// The kernel makes a device for every possible port; type 0 means no UART behind it.
bool noUartBehind(const std::filesystem::path& description)
{
    std::ifstream in(description / "type");
    std::string type;
    return static_cast<bool>(in >> type) && type == "0";
}

} // namespace

SystemComPortLister::SystemComPortLister(std::filesystem::path deviceDir, std::filesystem::path ttyDescriptionDir)
    : deviceDir_(std::move(deviceDir)), ttyDescriptionDir_(std::move(ttyDescriptionDir))
{
}

bool SystemComPortLister::present(const std::string& name) const
{
    const int fd = ::open((deviceDir_ / name).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EBUSY) // held exclusively by another program
            return true;
        return errno == EACCES && !noUartBehind(ttyDescriptionDir_ / name);
    }
    probeExclusively(fd);
    ::close(fd);
    return true;
}

std::vector<std::string> SystemComPortLister::List_Com_Ports() const
{
    std::vector<std::string> ports;
    for (int n = 1; n <= kMaxPorts; ++n)
        if (present("ttyS" + std::to_string(n - 1)))
            ports.push_back(std::to_string(n));
    return ports;
}

} // namespace birch
