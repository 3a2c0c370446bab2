// The serial ports of the machine: every terminal that sysfs shows with a
// device behind it (legacy ttyS ports only when a UART answers there, so the
// 4 to 32 placeholders the kernel creates are not searched), plus the names of
// the environment variable OLV8_EXTRA_PORTS (colon-separated; pseudo-terminals
// of the simulator, adapters without sysfs entries). Sorted by closing number.
//
// Callers must guarantee: nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace olv {

// sysfs_tty_folder is /sys/class/tty on a real machine; extra_ports is the
// value of OLV8_EXTRA_PORTS. Ports are named by their /dev path.
std::vector<std::string> ListSerialPorts(const std::string& sysfs_tty_folder,
                                         std::string_view extra_ports);

// The ports of this machine, from /sys/class/tty and OLV8_EXTRA_PORTS.
std::vector<std::string> ListMachineSerialPorts();

}  // namespace olv
