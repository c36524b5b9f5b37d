#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace lw {

CommandLine ReadCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Lockwell keeps your accounts and passwords in encrypted password databases.");
    const QCommandLineOption help({"h", "help"}, "Displays this help.");
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument("database",
                                 "The password database (.pdb) to unlock. It becomes the current database; "
                                 "without it Lockwell unlocks the database used last.",
                                 "[database]");

    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help))
        return {CommandLine::Action::ShowText, {}, parser.helpText()};
    if (parser.isSet(version))
        return {CommandLine::Action::ShowText,
                {},
                QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion() + '\n'};
    if (!parsed)
        return {CommandLine::Action::Fail,
                {},
                parser.errorText() + "\nTry \"" + QCoreApplication::applicationName().toLower() + " --help\".\n"};
    return {CommandLine::Action::Run, parser.positionalArguments().value(0), {}};
}

} // namespace lw
