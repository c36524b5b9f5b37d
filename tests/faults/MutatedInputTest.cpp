// Mutated settings files and mutated or truncated database files, from fixed
// seeds: no crash, no hang, and no database file changed on disk except by
// the cipher's own step (descrambling a file whose header matches the key).
#include "FaultBench.h"

#include "settings/Error.h"
#include "settings/IniFile.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "store/Connection.h"
#include "store/DatabaseFileCipher.h"
#include "store/DatabaseSession.h"
#include "store/Schema.h"
#include "store/TCryptFile.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/FakeSounds.h"
#include "support/RecordingHooks.h"
#include "support/TempDir.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace lw;

namespace {

constexpr int kCases = 1000;
// A case that takes longer than this ends the test (SIGALRM): a hang.
constexpr unsigned kSecondsPerCase = 10;

// Fails the case when it outlives the time limit.
struct Watchdog {
    Watchdog() { ::alarm(kSecondsPerCase); }
    ~Watchdog() { ::alarm(0); }
};

QByteArray mutate(QByteArray bytes, quint32 seed, qsizetype pageSize)
{
    QRandomGenerator g(seed);
    auto pos = [&] { return bytes.isEmpty() ? 0 : qsizetype(g.bounded(int(bytes.size()))); };
    switch (seed % 9) {
    case 0: // a few bytes flipped
        for (int i = 0, n = 1 + g.bounded(16); i < n && !bytes.isEmpty(); ++i)
            bytes[pos()] = char(g.bounded(256));
        break;
    case 1: // cut anywhere
        bytes.truncate(pos());
        break;
    case 2: // cut at a page boundary, header or not
        bytes.truncate(
            qMin(bytes.size(), pageSize * g.bounded(int(bytes.size() / pageSize + 1)) + (seed & 16 ? 4 : 0)));
        break;
    case 3: { // a run of zeros
        const qsizetype at = pos();
        bytes.replace(at, qMin<qsizetype>(g.bounded(3000), bytes.size() - at), QByteArray(g.bounded(3000), '\0'));
        break;
    }
    case 4: { // a run of noise
        const qsizetype at = pos();
        for (qsizetype i = at, end = qMin(bytes.size(), at + g.bounded(5000)); i < end; ++i)
            bytes[i] = char(g.bounded(256));
        break;
    }
    case 5: // noise appended
        for (int i = 0, n = g.bounded(9000); i < n; ++i)
            bytes += char(g.bounded(256));
        break;
    case 6: { // two pages swapped
        const qsizetype pages = bytes.size() / pageSize;
        if (pages >= 2) {
            const qsizetype a = g.bounded(int(pages)) * pageSize, b = g.bounded(int(pages)) * pageSize;
            const QByteArray pa = bytes.mid(a, pageSize);
            bytes.replace(a, pageSize, bytes.mid(b, pageSize));
            bytes.replace(b, pageSize, pa);
        }
        break;
    }
    case 7: // a byte removed or doubled
        if (!bytes.isEmpty()) {
            const qsizetype at = pos();
            seed & 32 ? bytes.remove(at, 1) : bytes.insert(at, bytes[at]);
        }
        break;
    default: // the first bytes only touched
        for (int i = 0; i < 4 && i < bytes.size(); ++i)
            if (g.bounded(2))
                bytes[i] = char(g.bounded(256));
        break;
    }
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

const QByteArray kSettings =
    "[Options]\r\nautocase=1\r\nmaximized=0\r\nscreenpos=1\r\nscreenleft=10\r\n"
    "screentop=20\r\nscreenwidth=800\r\nscreenheight=600\r\nwarn=0\r\nEditing=1\r\n"
    "[ExpireOptions]\r\nremind=0\r\n[SoundOptions]\r\nbuttons=1\r\naccess=1\r\n"
    "[Generator]\r\nEasy=1\r\nLength=12\r\nCase=2\r\nLetter=1\r\nNumber=1\r\nSpecial=0\r\n"
    "[PrintOptions]\r\ntitle=My accounts\r\ndate=1\r\none=1\r\ntype=0\r\nconcise=0\r\n"
    "[SearchOptions]\r\nindex=2\r\n[SearchDir]\r\ndir=/home/ann\r\n"
    "[Backup]\r\ndir=/home/ann/backup\r\nmode=YES\r\ninterval=3\r\ncount=2\r\nConfirmation=1\r\n";

TEST(MutatedInput, SettingsFilesNeverCrashHangOrLoseALine)
{
    test::TempDir dir;
    const QString path = dir.file("lw.ini");
    int survived = 0;
    qint64 lost = 0;
    for (quint32 seed = 1; seed <= kCases; ++seed) {
        SCOPED_TRACE(seed);
        QByteArray bytes = mutate(kSettings, seed, 64);
        if (seed % 50 == 0) // now and then a huge one
            bytes += QByteArray(2 << 20, char('0' + seed % 10));
        writeAll(path, bytes);
        Watchdog watchdog;
        IniFile ini(path);
        for (const char* key : {"screenleft", "screentop", "screenwidth", "screenheight", "maximized"})
            ini.readInt("Options", key, 0);
        for (const char* key : {"dir", "mode", "interval", "count"})
            ini.readString("Backup", key, "ERROR");
        bool wrote = true;
        try {
            ini.writeInt("Backup", "count", 7);
        } catch (const Error&) {
            wrote = false;
        }
        const QByteArray after = readAll(path);
        if (!wrote) {
            EXPECT_EQ(after, bytes);
            lost += after == bytes ? 0 : bytes.size();
            survived += after == bytes;
            continue;
        }
        EXPECT_EQ(ini.readInt("Backup", "count", -1), 7);
        // Every line but the one rewritten is still there.
        const QList<QByteArray> was = bytes.split('\n'), now = after.split('\n');
        qint64 missing = 0;
        int missingLines = 0;
        for (const QByteArray& line : was)
            if (!now.contains(line)) {
                ++missingLines;
                missing += line.size();
            }
        EXPECT_LE(missingLines, 1) << "lines lost";
        lost += missingLines > 1 ? missing : 0;
        survived += missingLines <= 1;
    }
    test::PrintFigures("MutatedInput/lw.ini", kCases, survived, 0, 0, lost);
    EXPECT_EQ(lost, 0);
}

TEST(MutatedInput, SettingsThatAreNoRegularFileAreReadAsEmpty)
{
    test::TempDir dir;
    const QString path = dir.file("lw.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    {
        Watchdog watchdog;
        EXPECT_EQ(IniFile(path).readInt("Options", "screenwidth", 640), 640);
    }
    QFile::remove(path);
    ASSERT_TRUE(QFile::link("/dev/zero", path));
    {
        Watchdog watchdog;
        EXPECT_EQ(IniFile(path).readInt("Options", "screenwidth", 640), 640);
    }
}

TEST(MutatedInput, DatabaseFilesNeverCrashHangOrChangeBeyondTheCipher)
{
    SetKdfIterations(4000);
    test::TempDir dir;
    test::FakeMessages quiet;
    TCryptFile cipher(quiet);
    cipher.setIntKey(kProgramIntKey);

    // A small database, plain and scrambled.
    const QString original = dir.file("original.pdb");
    CreatePasswordDatabase(original, "secret1", true);
    {
        auto db = Connection::open(original, "secret1");
        for (int i = 0; i < 40; ++i)
            db->exec(QString("INSERT INTO Passwords (GroupID, Description, Notes) VALUES (1, 'a%1', '%2');")
                         .arg(i)
                         .arg(QString(300, QChar('n'))));
    }
    const QByteArray plain = readAll(original);
    EncryptDatabaseFile(cipher, "secret1", original);
    const QByteArray scrambled = readAll(original);

    const QString path = dir.file("Family.pdb");
    const QString copy = dir.file("copy/Family.pdb");
    QDir(dir.path()).mkdir("copy");
    int survived = 0, opened = 0;
    qint64 lost = 0;
    for (quint32 seed = 1; seed <= kCases; ++seed) {
        SCOPED_TRACE(seed);
        const QByteArray bytes = mutate(seed % 2 ? scrambled : plain, seed, 1024);
        // What the cipher's own step makes of it: descrambled when the header
        // matches the key, else the file as it is.
        writeAll(copy, bytes);
        DecryptDatabaseFile(cipher, "secret1", copy);
        const QByteArray descrambled = readAll(copy);

        writeAll(path, bytes);
        Watchdog watchdog;
        test::FakeMessages boxes;
        test::FakeClock clock;
        test::FakeSounds sounds;
        test::RecordingHooks hooks;
        AliasStore alias(dir.path());
        alias.SetDatabasePath(path);
        AccessLog log(dir.path(), alias, clock, LogSeparators{});
        IniFile settings(dir.file("lw.ini"));
        DatabaseSession session({alias, log, cipher, settings, sounds, boxes, clock}, hooks, hooks);
        bool open = false;
        try {
            session.OpenDatabase("secret1");
            open = true;
        } catch (const SilentAbort&) {
        }
        const QByteArray after = readAll(path);
        const bool unchanged = after == bytes || after == descrambled;
        EXPECT_TRUE(unchanged) << (open ? "opened" : "refused");
        EXPECT_TRUE(boxes.boxes.empty()) << boxes.texts().join('\n').toStdString();
        lost += unchanged ? 0 : bytes.size();
        survived += unchanged;
        if (open) {
            ++opened;
            try {
                session.CloseDatabase();
            } catch (const std::exception&) {
                // A damaged page met while saving: the close stops, as it should.
            }
        }
        QFile::remove(dir.file("Log.txt"));
    }
    std::printf("MUTATED DATABASES %d cases, %d still opened\n", kCases, opened);
    test::PrintFigures("MutatedInput/database", kCases, survived, 0, 0, lost);
    EXPECT_EQ(lost, 0);
}

} // namespace
