#include "PdfText.h"

#include <QProcess>

namespace lw::test {

QStringList PdfPageTexts(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast(); // after the last page's form feed
    return pages;
}

bool InOrder(const QString& text, const QStringList& texts)
{
    qsizetype from = 0;
    for (const QString& t : texts) {
        const qsizetype at = text.indexOf(t, from);
        if (at < 0)
            return false;
        from = at + t.size();
    }
    return true;
}

} // namespace lw::test
