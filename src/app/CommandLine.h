#pragma once

#include <QString>
#include <QStringList>

namespace lw {

// What Lockwell's command line asks for: "--help" and "--version" are
// answered with a text and no window; otherwise the program runs, with the
// database path given as the first argument (empty when none was given).
struct CommandLine {
    enum class Action { Run, ShowText, Fail };
    Action action = Action::Run;
    QString database;
    // The help or version text for ShowText, the error for Fail.
    QString text;
};

// Reads the arguments, the program's own name first. The application name
// and version must be set before.
CommandLine ReadCommandLine(const QStringList& arguments);

} // namespace lw
