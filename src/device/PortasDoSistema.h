#pragma once

#include <QString>

#include <optional>

// Where a port name leads: the simulator's virtual folder first, then the system's devices.
// A full path is taken as it is.
QString CaminhoDaPorta(const QString& porta);

// Whether the serial-core port described by a sysfs tty folder (/sys/class/tty/<name>) has
// hardware behind it, from its "type" attribute (0 is PORT_UNKNOWN); nothing when the folder
// does not say.
std::optional<bool> PortaTemHardwareNoSysfs(const QString& pastaTty);
