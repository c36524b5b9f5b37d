#include "ui/HelpCatalog.h"

#include <QFile>
#include <algorithm>

namespace lw {

namespace {

// The "name<TAB>page" pairs of a list file.
QList<QPair<QString, QString>> readPairs(const QString& path)
{
    QList<QPair<QString, QString>> pairs;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return pairs;
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype tab = raw.indexOf('\t');
        if (tab < 0)
            continue;
        const QString name = raw.left(tab).trimmed();
        const QString value = raw.mid(tab + 1).trimmed();
        if (!name.isEmpty() && !value.isEmpty())
            pairs.append({name, value});
    }
    return pairs;
}

} // namespace

HelpCatalog::HelpCatalog(const QString& folder) : folder_(folder)
{
    // contents.txt lists page, then title; index.txt keyword, then target.
    for (const auto& [page, title] : readPairs(folder_ + QStringLiteral("/contents.txt")))
        contents_.append({page, title});
    for (const auto& [keyword, target] : readPairs(folder_ + QStringLiteral("/index.txt")))
        keywords_.append({keyword, target});
    std::stable_sort(keywords_.begin(), keywords_.end(), [](const HelpKeyword& a, const HelpKeyword& b) {
        return a.keyword.compare(b.keyword, Qt::CaseInsensitive) < 0;
    });
}

QList<HelpKeyword> HelpCatalog::keywordsMatching(const QString& text) const
{
    const QString wanted = text.trimmed();
    QList<HelpKeyword> found;
    for (const HelpKeyword& k : keywords_) {
        if (k.keyword.contains(wanted, Qt::CaseInsensitive))
            found.append(k);
    }
    return found;
}

QUrl HelpCatalog::urlOf(const QString& target) const
{
    const qsizetype hash = target.indexOf('#');
    const QString page = hash < 0 ? target : target.left(hash);
    // ":/help" is reached as "qrc:/help"; a folder on disk by a file URL.
    QUrl url = folder_.startsWith(':') ? QUrl(QStringLiteral("qrc") + folder_ + '/' + page)
                                       : QUrl::fromLocalFile(folder_ + '/' + page);
    if (hash >= 0)
        url.setFragment(target.mid(hash + 1));
    return url;
}

QString HelpCatalog::pageText(const QString& page) const
{
    QFile file(folder_ + '/' + page);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace lw
