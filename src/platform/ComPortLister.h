#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace birch {

// The serial ports present on this machine, as port numbers 1..256 in ascending order and in
// decimal ("1", "3"); the caller puts "COM" in front. A port held by another program is
// present too. Never fails: with no port the list is empty.
class ComPortLister {
public:
    virtual ~ComPortLister() = default;
    virtual std::vector<std::string> List_Com_Ports() const = 0;
};

// Probes the serial devices of the system's device folder: port n is the device "ttyS" n - 1.
// Each is opened read-write, without becoming the controlling terminal and without waiting,
// held exclusively while probed, and never created. A device we may not open counts as present
// unless the kernel's tty description (`ttyDescriptionDir`/ttyS<n>/type) says no UART is behind
// it. Tests pass folders of their own.
class SystemComPortLister final : public ComPortLister {
public:
    static constexpr int kMaxPorts = 256;

    explicit SystemComPortLister(std::filesystem::path deviceDir = "/dev",
                                 std::filesystem::path ttyDescriptionDir = "/sys/class/tty");
    std::vector<std::string> List_Com_Ports() const override;

private:
    bool present(const std::string& name) const;

    std::filesystem::path deviceDir_;
    std::filesystem::path ttyDescriptionDir_;
};

} // namespace birch
