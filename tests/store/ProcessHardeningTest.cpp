#include "store/ProcessHardening.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lw;

namespace {

// Runs body in a child process and returns its wait status; the test
// process itself keeps its limits.
template <typename Body> int inChild(Body body)
{
    const pid_t pid = fork();
    if (pid == 0) {
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

TEST(ProcessHardening, NoCoreLimitAndNotDumpableReadBack)
{
    enum Fault { Threw = 1, SoftLimit = 2, HardLimit = 4, Dumpable = 8 };
    const int status = inChild([] {
        try {
            HardenProcess();
        } catch (...) {
            _exit(Threw);
        }
        rlimit limit{};
        getrlimit(RLIMIT_CORE, &limit);
        int faults = 0;
        if (limit.rlim_cur != 0)
            faults |= SoftLimit;
        if (limit.rlim_max != 0)
            faults |= HardLimit;
        if (prctl(PR_GET_DUMPABLE, 0, 0, 0, 0) != 0)
            faults |= Dumpable;
        _exit(faults);
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1 threw, 2 soft limit, 4 hard limit, 8 still dumpable";
}

// A child that allows core files as far as the system lets it, optionally
// hardens itself, and crashes in a folder of its own.
int crashIn(const QString& folder, bool harden)
{
    const QByteArray where = QFile::encodeName(folder);
    return inChild([&] {
        if (chdir(where.constData()) != 0)
            _exit(100);
        rlimit limit{};
        getrlimit(RLIMIT_CORE, &limit);
        limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, 64 << 20);
        setrlimit(RLIMIT_CORE, &limit);
        if (harden)
            HardenProcess();
        abort();
    });
}

TEST(ProcessHardening, ACrashLeavesNoCoreFile)
{
    test::TempDir plain;
    const int unhardened = crashIn(plain.path(), false);
    ASSERT_TRUE(WIFSIGNALED(unhardened));
    if (!WCOREDUMP(unhardened))
        GTEST_SKIP() << "this system writes no core file for a crashed process";

    test::TempDir hardened;
    const int status = crashIn(hardened.path(), true);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGABRT);
    EXPECT_FALSE(WCOREDUMP(status));
    EXPECT_EQ(QDir(hardened.path()).entryList(QDir::Files), QStringList());
}

} // namespace
