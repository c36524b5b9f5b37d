#pragma once

#include <QList>
#include <QString>
#include <QUrl>

namespace lw {

// A page of the help in the order of the contents.
struct HelpTopic {
    QString page; // "groups.html"
    QString title; // "Groups"
};

// An entry of the keyword index and the place it leads to.
struct HelpKeyword {
    QString keyword; // "adding a group"
    QString target; // "groups.html#new"
};

// The help pages built into the program: "contents.txt" lists the topics in
// order, "index.txt" the keywords, one "name<TAB>page" per line; blank lines
// and lines starting with '#' are skipped.
class HelpCatalog {
public:
    explicit HelpCatalog(const QString& folder = QStringLiteral(":/help"));

    const QList<HelpTopic>& contents() const { return contents_; }
    // Sorted without regard to case.
    const QList<HelpKeyword>& keywords() const { return keywords_; }
    // The keywords that contain the text, without regard to case; all of
    // them for an empty text.
    QList<HelpKeyword> keywordsMatching(const QString& text) const;

    // Where a page or "page#place" lives, as a URL a QTextBrowser can load.
    QUrl urlOf(const QString& target) const;
    // The page's HTML; empty when there is no such page.
    QString pageText(const QString& page) const;
    QString folder() const { return folder_; }

private:
    QString folder_;
    QList<HelpTopic> contents_;
    QList<HelpKeyword> keywords_;
};

} // namespace lw
