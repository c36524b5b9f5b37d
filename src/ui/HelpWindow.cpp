#include "ui/HelpWindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace lw {

namespace {

constexpr int TargetRole = Qt::UserRole;

} // namespace

HelpWindow::HelpWindow(QWidget* parent, const QString& folder) : QWidget(parent, Qt::Window), catalog_(folder)
{
    setWindowTitle(tr("Lockwell Help"));
    resize(780, 540);

    lstContents_ = new QListWidget;
    lstContents_->setObjectName(QStringLiteral("lstContents"));
    for (const HelpTopic& topic : catalog_.contents()) {
        auto* item = new QListWidgetItem(topic.title, lstContents_);
        item->setData(TargetRole, topic.page);
    }

    txtKeyword_ = new QLineEdit;
    txtKeyword_->setObjectName(QStringLiteral("txtKeyword"));
    txtKeyword_->setPlaceholderText(tr("Type a keyword"));
    txtKeyword_->setClearButtonEnabled(true);
    lstKeywords_ = new QListWidget;
    lstKeywords_->setObjectName(QStringLiteral("lstKeywords"));

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    indexLayout->addWidget(txtKeyword_);
    indexLayout->addWidget(lstKeywords_);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(lstContents_, tr("&Contents"));
    tabs_->addTab(indexPage, tr("&Index"));

    txtPage_ = new QTextBrowser;
    txtPage_->setObjectName(QStringLiteral("txtPage"));
    txtPage_->setOpenExternalLinks(true);

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(txtPage_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 550});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(lstContents_, &QListWidget::itemClicked, this, &HelpWindow::openItem);
    connect(lstContents_, &QListWidget::itemActivated, this, &HelpWindow::openItem);
    connect(lstKeywords_, &QListWidget::itemClicked, this, &HelpWindow::openItem);
    connect(lstKeywords_, &QListWidget::itemActivated, this, &HelpWindow::openItem);
    connect(txtKeyword_, &QLineEdit::textChanged, this, &HelpWindow::filterKeywords);
    connect(txtKeyword_, &QLineEdit::returnPressed, this, [this] { openItem(lstKeywords_->currentItem()); });
    connect(txtPage_, &QTextBrowser::sourceChanged, this, &HelpWindow::followPage);

    filterKeywords(QString());
}

void HelpWindow::showContents()
{
    present();
    tabs_->setCurrentIndex(0);
    if (lstContents_->count() > 0) {
        lstContents_->setCurrentRow(0);
        openItem(lstContents_->item(0));
    }
    lstContents_->setFocus();
}

void HelpWindow::showKeywordSearch(const QString& keyword)
{
    present();
    tabs_->setCurrentIndex(1);
    txtKeyword_->setText(keyword);
    filterKeywords(keyword); // also when the text did not change
    txtKeyword_->setFocus();
    txtKeyword_->selectAll();
}

void HelpWindow::showTopic(const QString& target)
{
    txtPage_->setSource(catalog_.urlOf(target));
}

QUrl HelpWindow::currentPage() const
{
    return txtPage_->source();
}

void HelpWindow::filterKeywords(const QString& text)
{
    lstKeywords_->clear();
    for (const HelpKeyword& k : catalog_.keywordsMatching(text)) {
        auto* item = new QListWidgetItem(k.keyword, lstKeywords_);
        item->setData(TargetRole, k.target);
    }
    if (lstKeywords_->count() > 0)
        lstKeywords_->setCurrentRow(0);
}

// A topic or keyword of either list: its page.
void HelpWindow::openItem(QListWidgetItem* item)
{
    if (item)
        showTopic(item->data(TargetRole).toString());
}

// Keeps the topic list on the page shown, however it was reached.
void HelpWindow::followPage(const QUrl& url)
{
    const QString page = url.fileName();
    for (int row = 0; row < lstContents_->count(); ++row) {
        if (lstContents_->item(row)->data(TargetRole).toString() == page) {
            QSignalBlocker block(lstContents_);
            lstContents_->setCurrentRow(row);
            return;
        }
    }
}

void HelpWindow::present()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

} // namespace lw
