// Why no port can be used, in the terms of a Linux desktop: no adapter, an
// adapter this user may not open, or one another program holds.
#pragma once

#include "link/failure.h"

#include <QString>
#include <vector>

namespace tessaro::link {

// The program holding a serial device, from its lock file ("minicom (pid 4242)");
// empty when no lock file names one.
QString lockHolder(const QString &device);

// The text for a Connect that found no usable port.
QString noUsablePortText(const std::vector<PortProbe> &refused);

// The text for one port that could not be opened.
QString openFailureText(OpenFailure failure, const QString &device);

} // namespace tessaro::link
