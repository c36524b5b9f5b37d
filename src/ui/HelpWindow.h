#pragma once

#include "ui/HelpCatalog.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;

namespace lw {

// The help window: a list of topics ("Contents"), a keyword index with a
// filter box ("Index") and the page itself. It is a window of its own, not
// modal; the main window keeps one and closes it when the program ends.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr, const QString& folder = QStringLiteral(":/help"));

    // Help > Contents: the topic list and the first page.
    void showContents();
    // Help > Keyword Search: the index, filtered by the keyword (none to
    // start with), ready for typing.
    void showKeywordSearch(const QString& keyword = QString());
    // A page, or "page#place".
    void showTopic(const QString& target);

    QUrl currentPage() const;
    const HelpCatalog& catalog() const { return catalog_; }

private:
    void filterKeywords(const QString& text);
    void openItem(QListWidgetItem* item);
    void followPage(const QUrl& url);
    void present();

    HelpCatalog catalog_;
    QTabWidget* tabs_;
    QListWidget* lstContents_;
    QLineEdit* txtKeyword_;
    QListWidget* lstKeywords_;
    QTextBrowser* txtPage_;
};

} // namespace lw
