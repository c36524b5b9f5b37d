#include "app/CommandLine.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace lw;

namespace {

struct LineCase {
    QStringList arguments;
    CommandLine::Action action;
    QString database;
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.arguments.join(' ').toStdString();
}

class CommandLineTest : public ::testing::TestWithParam<LineCase> {
protected:
    static void SetUpTestSuite()
    {
        QCoreApplication::setApplicationName("Lockwell");
        QCoreApplication::setApplicationVersion("1.21");
    }
};

TEST_P(CommandLineTest, ReadsWhatTheArgumentsAskFor)
{
    const LineCase& c = GetParam();
    const CommandLine line = ReadCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.database.toStdString(), c.database.toStdString());
}

using Action = CommandLine::Action;
INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(LineCase{{"lockwell"}, Action::Run, ""}, LineCase{{"lockwell", ""}, Action::Run, ""},
                      LineCase{{"lockwell", "/data/family.pdb"}, Action::Run, "/data/family.pdb"},
                      LineCase{{"lockwell", "my passwords.pdb", "other.pdb"}, Action::Run, "my passwords.pdb"},
                      LineCase{{"lockwell", "--", "-dash.pdb"}, Action::Run, "-dash.pdb"},
                      LineCase{{"lockwell", "--help"}, Action::ShowText, ""},
                      LineCase{{"lockwell", "-h"}, Action::ShowText, ""},
                      LineCase{{"lockwell", "--version"}, Action::ShowText, ""},
                      LineCase{{"lockwell", "-v"}, Action::ShowText, ""},
                      LineCase{{"lockwell", "family.pdb", "--help"}, Action::ShowText, ""},
                      LineCase{{"lockwell", "--bogus"}, Action::Fail, ""},
                      LineCase{{"lockwell", "--bogus", "--version"}, Action::ShowText, ""}));

TEST(CommandLineText, VersionNamesTheProgramAndHelpNamesTheDatabaseArgument)
{
    QCoreApplication::setApplicationName("Lockwell");
    QCoreApplication::setApplicationVersion("1.21");
    EXPECT_EQ(ReadCommandLine({"lockwell", "--version"}).text.toStdString(), "Lockwell 1.21\n");
    const QString help = ReadCommandLine({"lockwell", "--help"}).text;
    for (const char* part : {"[database]", "--help", "--version", "password database"})
        EXPECT_TRUE(help.contains(QLatin1String(part))) << part << " not in:\n" << help.toStdString();
    EXPECT_TRUE(ReadCommandLine({"lockwell", "--bogus"}).text.contains("bogus"));
}

} // namespace
