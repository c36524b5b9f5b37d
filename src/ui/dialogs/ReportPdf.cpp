#include "ReportPdf.h"

#include "report/ReportPainter.h"
#include "settings/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {
namespace {

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw Error(QStringLiteral("Cannot write the PDF file \"%1\": %2").arg(QDir::toNativeSeparators(path), reason));
}

// A finished PDF ends with its end-of-file marker.
bool complete(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 64)
        return false;
    f.seek(f.size() - 16);
    return f.readAll().contains("%%EOF");
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void CreateOwnerOnlyFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        fail(path, qt_error_string(errno));
    const bool ok = ::fchmod(fd, 0600) == 0;
    const int reason = errno;
    ::close(fd);
    if (!ok)
        fail(path, qt_error_string(reason));
}

void SaveReportPdf(const ReportLayout& layout, const QString& path)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    // QTemporaryFile creates its file for its owner only, under a new name.
    QTemporaryFile temp(QDir(folder).filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!temp.open())
        fail(path, temp.errorString());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temp.fileName());
    printer.setPageLayout(ReportPageLayout(layout.page));
    printer.setFullPage(true);
    printer.setDocName(layout.documentName);
    printer.setCreator(QStringLiteral("Lockwell"));
    PaintReport(layout, printer);
    if (printer.printerState() == QPrinter::Error || !complete(temp.fileName()))
        fail(path, QStringLiteral("the file could not be written completely (is the disk full?)"));
    if (::fsync(temp.handle()) != 0)
        fail(path, qt_error_string(errno));

    if (std::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        fail(path, qt_error_string(errno));
    temp.setAutoRemove(false);
    syncFolder(folder);
}

} // namespace lw
