#pragma once

#include <QString>
#include <stdexcept>

namespace lw {

// Every failure the program reports is an Error carrying a message for the user.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()) { }
    QString message() const { return QString::fromStdString(what()); }
};

// Stops the calling command without a message (a refused unlock, for example).
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "silent abort"; }
};

} // namespace lw
