// Inside the link, a failure of the port travels as an exception, as the
// serial-port control raised run-time errors; the session catches it and
// hands on only the failure it carries. Never included outside src/link.
#pragma once

#include "link/failure.h"

#include <stdexcept>

namespace tessaro::link {

struct SerialError : std::runtime_error {
    explicit SerialError(LinkFailure f)
        : std::runtime_error("serial port"), failure(std::move(f)) {}
    LinkFailure failure;
};

} // namespace tessaro::link
