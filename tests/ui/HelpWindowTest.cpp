#include "ui/HelpWindow.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace lw {
namespace {

QString pageOf(const QString& target)
{
    return target.section('#', 0, 0);
}

// The places a page defines with <a name="...">.
QSet<QString> placesOn(const QString& html)
{
    QSet<QString> places;
    static const QRegularExpression name(R"re(<a\s+name="([^"]+)")re");
    for (const auto& m : name.globalMatch(html))
        places.insert(m.captured(1));
    return places;
}

// Checks that a "page#place" target leads somewhere real.
void expectReachable(const HelpCatalog& help, const QString& target, const QString& from)
{
    const QString html = help.pageText(pageOf(target));
    EXPECT_FALSE(html.trimmed().isEmpty()) << target.toStdString() << " from " << from.toStdString();
    const QString place = target.section('#', 1);
    if (!place.isEmpty()) {
        EXPECT_TRUE(placesOn(html).contains(place)) << target.toStdString() << " from " << from.toStdString();
    }
}

TEST(HelpPages, EveryTopicAndKeywordLeadsToAPage)
{
    HelpCatalog help;
    ASSERT_GE(help.contents().size(), 10);
    ASSERT_GE(help.keywords().size(), 30);
    for (const HelpTopic& t : help.contents()) {
        EXPECT_FALSE(t.title.isEmpty());
        expectReachable(help, t.page, "contents");
        // Each page has a title of its own for the window's history.
        EXPECT_TRUE(help.pageText(t.page).contains("<title>" + t.title)) << t.page.toStdString();
    }
    for (const HelpKeyword& k : help.keywords())
        expectReachable(help, k.target, "keyword " + k.keyword);
}

TEST(HelpPages, EveryLinkBetweenPagesWorksAndNoPageIsLeftOut)
{
    HelpCatalog help;
    QSet<QString> listed;
    for (const HelpTopic& t : help.contents())
        listed.insert(t.page);
    const QStringList pages = QDir(":/help").entryList({"*.html"});
    ASSERT_FALSE(pages.isEmpty());
    static const QRegularExpression href(R"re(href="([^"]+)")re");
    for (const QString& page : pages) {
        EXPECT_TRUE(listed.contains(page)) << page.toStdString() << " is not in the contents";
        const QString html = help.pageText(page);
        for (const auto& m : href.globalMatch(html)) {
            const QString target = m.captured(1);
            expectReachable(help, target.startsWith('#') ? page + target : target, page);
        }
    }
}

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        contents = help.findChild<QListWidget*>("lstContents");
        keywords = help.findChild<QListWidget*>("lstKeywords");
        filter = help.findChild<QLineEdit*>("txtKeyword");
        page = help.findChild<QTextBrowser*>("txtPage");
        tabs = help.findChild<QTabWidget*>("tabs");
        ASSERT_TRUE(contents && keywords && filter && page && tabs);
    }

    HelpWindow help;
    QListWidget* contents = nullptr;
    QListWidget* keywords = nullptr;
    QLineEdit* filter = nullptr;
    QTextBrowser* page = nullptr;
    QTabWidget* tabs = nullptr;
};

TEST_F(HelpWindowTest, ContentsOpensOnTheFirstTopic)
{
    help.showContents();
    EXPECT_TRUE(help.isVisible());
    EXPECT_FALSE(help.isModal());
    EXPECT_EQ(tabs->currentIndex(), 0);
    const HelpTopic first = help.catalog().contents().first();
    EXPECT_EQ(help.currentPage(), help.catalog().urlOf(first.page));
    EXPECT_EQ(page->documentTitle(), first.title);
}

TEST_F(HelpWindowTest, ClickingATopicShowsItsPage)
{
    help.showContents();
    QListWidgetItem* item = contents->item(4);
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualItemRect(item).center());
    EXPECT_EQ(page->documentTitle(), item->text());
}

TEST_F(HelpWindowTest, TheFilterNarrowsTheKeywords)
{
    help.showKeywordSearch();
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(filter->text().isEmpty());
    const int all = keywords->count();
    EXPECT_EQ(all, help.catalog().keywords().size());

    QTest::keyClicks(filter, "GROUP");
    ASSERT_GT(keywords->count(), 0);
    EXPECT_LT(keywords->count(), all);
    for (int i = 0; i < keywords->count(); ++i)
        EXPECT_TRUE(keywords->item(i)->text().contains("group", Qt::CaseInsensitive));

    QTest::keyClicks(filter, "zzz");
    EXPECT_EQ(keywords->count(), 0);
    filter->clear();
    EXPECT_EQ(keywords->count(), all);
}

TEST_F(HelpWindowTest, ClickingAKeywordShowsItsPlace)
{
    help.showKeywordSearch();
    QTest::keyClicks(filter, "transfer");
    ASSERT_EQ(keywords->count(), 1);
    QListWidgetItem* item = keywords->item(0);
    help.show();
    QTest::mouseClick(keywords->viewport(), Qt::LeftButton, {}, keywords->visualItemRect(item).center());
    EXPECT_EQ(help.currentPage(), help.catalog().urlOf("accounts.html#transfer"));
    EXPECT_EQ(page->documentTitle(), "Password accounts");
}

TEST_F(HelpWindowTest, EnterInTheFilterOpensTheFirstMatch)
{
    help.showKeywordSearch("print preview");
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_EQ(help.currentPage(), help.catalog().urlOf("reports.html#preview"));
}

TEST_F(HelpWindowTest, ALinkOnAPageLeadsToTheOtherPage)
{
    help.showTopic("welcome.html");
    help.show();
    page->setFocus();
    // The keyboard reaches the first link, and Enter follows it.
    QTest::keyClick(page, Qt::Key_Tab);
    const QString link = page->textCursor().charFormat().anchorHref();
    ASSERT_FALSE(link.isEmpty());
    QTest::keyClick(page, Qt::Key_Return);
    EXPECT_EQ(help.currentPage().fileName(), link);
    EXPECT_FALSE(page->toPlainText().isEmpty());
    // The topic list follows the page shown.
    EXPECT_EQ(contents->currentItem()->text(), page->documentTitle());
}

} // namespace
} // namespace lw
