#pragma once

#include "settings/Error.h"

namespace lw {

// A failure reported by the database engine, carrying the engine's message.
class SqlError : public Error {
public:
    using Error::Error;
};

} // namespace lw
