#include "store/FileCopy.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace lw;
using lw::test::TempDir;

namespace {

const QString kCopyFailed = "Error - An Error occured while copying. Check available space on  target drive ";

// A socket on the file system: it exists, but no one can open it for reading.
void makeSocket(const QString& path)
{
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    QByteArray name = QFile::encodeName(path);
    ASSERT_LT(size_t(name.size()), sizeof(addr.sun_path));
    memcpy(addr.sun_path, name.constData(), name.size());
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
    close(fd);
}

class FileCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkdir("folder");
        dir.write("source.pdb", "database bytes");
        dir.write("old.pdb", "previous backup that is longer");
    }
    QStringList filesIn(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    TempDir dir;
};

struct FailureCase {
    const char* name;
    const char* source;
    const char* target;
    const char* result;
};

class CopyFailureTest : public FileCopyTest, public ::testing::WithParamInterface<FailureCase> { };

TEST_P(CopyFailureTest, ReportsTheFirstCheckThatFails)
{
    makeSocket(dir.file("socket"));
    const FailureCase& c = GetParam();
    const CopyResult r = CopyFileChecked(dir.file(c.source), dir.file(c.target));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.text, c.result);
    EXPECT_EQ(dir.read("old.pdb"), "previous backup that is longer");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyFailureTest,
    ::testing::Values(
        FailureCase{"SamePath", "source.pdb", "source.pdb", "Error - Source is same as Target"},
        FailureCase{"SamePathMissingSource", "none.pdb", "none.pdb", "Error - Source is same as Target"},
        FailureCase{"MissingSource", "none.pdb", "old.pdb", "Error - Source File not found"},
        FailureCase{"SourceIsAFolder", "folder", "old.pdb", "Error - Source File not found"},
        FailureCase{"MissingSourceAndTargetFolder", "none.pdb", "gone/x.pdb", "Error - Source File not found"},
        FailureCase{"MissingTargetFolder", "source.pdb", "gone/x.pdb", "Error - Target Directory not found"},
        FailureCase{"TargetFolderIsAFile", "source.pdb", "old.pdb/x.pdb", "Error - Target Directory not found"},
        FailureCase{"SourceCannotBeOpened", "socket", "old.pdb", "Error - Source file is in use. It cannot be opened"},
        FailureCase{"TargetIsAFolder", "source.pdb", "folder",
                    "Error - Target file is in use or is read-only. It cannot be overwritten"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(FileCopyTest, CopiesEveryByteAndReportsTheSize)
{
    for (qsizetype size : {0, 1, 61439, 61440, 61441, 3 * 61440 + 17}) {
        SCOPED_TRACE(size);
        const QByteArray bytes = lw::test::randomBytes(size, quint32(size));
        dir.write("big.pdb", bytes);
        const CopyResult r = CopyFileChecked(dir.file("big.pdb"), dir.file("old.pdb"));
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(r.text, QString::number(size) + " bytes copied");
        EXPECT_EQ(dir.read("old.pdb"), bytes);
    }
    EXPECT_EQ(filesIn(dir.path()), QStringList({"big.pdb", "old.pdb", "source.pdb"}));
}

TEST_F(FileCopyTest, TargetTakesSourceTimeAndOwnerPermissionsOnly)
{
    const QDateTime when(QDate(2001, 3, 7), QTime(13, 40, 5));
    {
        QFile f(dir.file("source.pdb"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    }
    const auto perms = QFile::ReadOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(dir.file("source.pdb"), perms));

    ASSERT_EQ(CopyFileChecked(dir.file("source.pdb"), dir.file("folder/copy.pdb")).text, "14 bytes copied");
    QFileInfo copy(dir.file("folder/copy.pdb"));
    EXPECT_EQ(copy.lastModified(), when);
    // A copy of a database is nobody's but its owner's.
    EXPECT_EQ(copy.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), QFile::ReadOwner);
}

TEST_F(FileCopyTest, FailedWriteKeepsTheOldTargetWhole)
{
    dir.write("big.pdb", lw::test::randomBytes(5 * 61440, 7));
    for (qint64 limit : {0, 100, 2 * 61440}) {
        SCOPED_TRACE(limit);
        auto copy = [&] {
            lw::test::FileSizeLimit full(limit);
            return CopyFileChecked(dir.file("big.pdb"), dir.file("folder/old.pdb")).text;
        };
        EXPECT_EQ(copy(), kCopyFailed);
        EXPECT_TRUE(filesIn(dir.file("folder")).isEmpty());

        dir.write("folder/old.pdb", "previous backup");
        EXPECT_EQ(copy(), kCopyFailed);
        EXPECT_EQ(dir.read("folder/old.pdb"), "previous backup");
        EXPECT_EQ(filesIn(dir.file("folder")), QStringList{"old.pdb"});
        QFile::remove(dir.file("folder/old.pdb"));
    }
}

TEST_F(FileCopyTest, SourceNamedTwoWaysIsNotDestroyed)
{
    const QString other = dir.path() + "/folder/../source.pdb";
    EXPECT_EQ(CopyFileChecked(dir.file("source.pdb"), other).text, "14 bytes copied");
    EXPECT_EQ(dir.read("source.pdb"), "database bytes");
}

} // namespace
