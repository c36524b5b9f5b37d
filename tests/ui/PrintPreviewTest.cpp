#include "WhenModal.h"
#include "report/ReportTemplates.h"
#include "support/FakeFileChooser.h"
#include "support/ReportTestRows.h"
#include "support/TempDir.h"
#include "ui/dialogs/TfrmPrintPreview.h"

#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace lw;
using namespace lw::test;

namespace {

class PrintPreviewTest : public ::testing::Test {
protected:
    // A full report of 40 accounts, one page per five.
    TfrmPrintPreview::PageMaker pagesOf(int accounts)
    {
        return [this, accounts] {
            ++pagesMade;
            const QCursor* cursor = QApplication::overrideCursor();
            madeUnderHourglass.push_back(cursor && cursor->shape() == Qt::WaitCursor);
            std::vector<ReportRow> rows;
            for (int g = 0; g < (accounts + 4) / 5; ++g) {
                auto group = accountsIn(QStringLiteral("Group %1").arg(g, 2, 10, QLatin1Char('0')),
                                        std::min(5, accounts - g * 5));
                rows.insert(rows.end(), group.begin(), group.end());
            }
            return LayOutReport(prepared(ppRptPasswords(), true), rows);
        };
    }

    // Shows the preview and runs `act` in it; the preview is then closed.
    void inPreview(int accounts, const std::function<void(TfrmPrintPreview*)>& act)
    {
        TfrmPrintPreview preview(nullptr, ppRptPasswords().page, pagesOf(accounts), files);
        preview.ProducePages();
        WhenModal<TfrmPrintPreview> when([&](TfrmPrintPreview* p) {
            act(p);
            p->cmdClose->click();
        });
        preview.exec();
        ASSERT_TRUE(when.ran());
    }

    static void enter(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        box->del();
        box->setCursorPosition(0);
        if (!text.isEmpty())
            QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    FakeFileChooser files;
    int pagesMade = 0;
    std::vector<bool> madeUnderHourglass;
};

TEST_F(PrintPreviewTest, TheToolbarInItsOrderWithItsHints)
{
    QStringList hints, order;
    QString caption;
    inPreview(5, [&](TfrmPrintPreview* p) {
        caption = p->windowTitle();
        const QList<QWidget*> bar{p->cmdzoom100, p->cmdzoomtofit, p->cmdzoomtowidth, p->mskPreviewPercentage,
                                  p->cmdFirst,   p->cmdPrev,      p->mskPreviewPage, p->cmdNext,
                                  p->cmdLast,    p->cmdPrint,     p->cmdSavePdf,     p->cmdClose};
        int x = -1;
        for (QWidget* w : bar) {
            hints << w->toolTip();
            order << (w->x() > x ? "ok" : "out of order");
            x = w->x();
        }
    });
    EXPECT_EQ(caption, "Print Preview");
    EXPECT_EQ(hints, QStringList({"Zoom 100%", "Zoom to Fit", "Zoom to Width", "", "First", "Previous", "", "Next",
                                  "Last", "Print", "Save as PDF", "Close"}));
    EXPECT_FALSE(order.contains("out of order")) << order.join(' ').toStdString();
}

TEST_F(PrintPreviewTest, ItOpensAtPageWidthOnTheFirstPage)
{
    QPrintPreviewWidget::ZoomMode mode{};
    QString page, percentage, status;
    int zoom = 0;
    inPreview(40, [&](TfrmPrintPreview* p) {
        mode = p->ppViewer1->zoomMode();
        page = p->mskPreviewPage->text().trimmed();
        percentage = p->mskPreviewPercentage->text();
        zoom = p->ZoomInEffect();
        status = p->pnlStatus->text();
    });
    EXPECT_EQ(mode, QPrintPreviewWidget::FitToWidth);
    EXPECT_EQ(page, "1");
    EXPECT_EQ(percentage.trimmed(), QString::number(zoom) + " %");
    EXPECT_EQ(status, " Page 1 of 8");
}

TEST_F(PrintPreviewTest, APageMadeWiderStillShowsItsTop)
{
    int pageTopInView = -1;
    inPreview(5, [&](TfrmPrintPreview* p) {
        p->showNormal();
        p->resize(400, 300);
        QApplication::processEvents();
        p->resize(1200, 900); // at page width, a larger zoom
        QApplication::processEvents();
        const QGraphicsView* view = p->ppViewer1->findChild<QGraphicsView*>();
        qreal pageTop = view->sceneRect().bottom();
        for (const QGraphicsItem* item : view->scene()->items())
            pageTop = std::min(pageTop, item->sceneBoundingRect().top());
        pageTopInView = view->mapFromScene(QPointF(0, pageTop)).y();
    });
    EXPECT_GE(pageTopInView, 0);
}

TEST_F(PrintPreviewTest, ThePercentageBoxIsCappedAndEmptyMeansOneHundred)
{
    struct Case {
        QString typed;
        int zoom;
    } cases[] = {{"400", 250}, {"", 100}, {"75", 75}, {"250", 250}};
    std::vector<std::pair<int, QString>> seen;
    inPreview(5, [&](TfrmPrintPreview* p) {
        for (const Case& c : cases) {
            enter(p->mskPreviewPercentage, c.typed);
            seen.emplace_back(p->ZoomInEffect(), p->mskPreviewPercentage->text());
        }
    });
    ASSERT_EQ(seen.size(), std::size(cases));
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].first, cases[i].zoom) << "typed \"" << cases[i].typed.toStdString() << "\"";
        EXPECT_TRUE(seen[i].second.startsWith(QString::number(cases[i].zoom))) << seen[i].second.toStdString();
    }
}

TEST_F(PrintPreviewTest, PagesFromTheKeysTheButtonsAndThePageBox)
{
    struct Step {
        const char* what;
        std::function<void(TfrmPrintPreview*)> act;
        int page;
    };
    const std::vector<Step> steps = {
        {"Ctrl+End", [](auto* p) { QTest::keyClick(p->ppViewer1, Qt::Key_End, Qt::ControlModifier); }, 8},
        {"Next on the last page", [](auto* p) { p->cmdNext->click(); }, 8},
        {"Ctrl+Page Up", [](auto* p) { QTest::keyClick(p->ppViewer1, Qt::Key_PageUp, Qt::ControlModifier); }, 7},
        {"Ctrl+Home", [](auto* p) { QTest::keyClick(p->ppViewer1, Qt::Key_Home, Qt::ControlModifier); }, 1},
        {"Previous on the first page", [](auto* p) { p->cmdPrev->click(); }, 1},
        {"Ctrl+Page Down", [](auto* p) { QTest::keyClick(p->ppViewer1, Qt::Key_PageDown, Qt::ControlModifier); }, 2},
        {"page box 5", [](auto* p) { enter(p->mskPreviewPage, "5"); }, 5},
        {"page box beyond the end", [](auto* p) { enter(p->mskPreviewPage, "99"); }, 8},
        {"empty page box", [](auto* p) { enter(p->mskPreviewPage, ""); }, 1},
        {"Last", [](auto* p) { p->cmdLast->click(); }, 8},
        {"First", [](auto* p) { p->cmdFirst->click(); }, 1},
        {"Next", [](auto* p) { p->cmdNext->click(); }, 2},
    };
    std::vector<std::pair<int, QString>> seen;
    inPreview(40, [&](TfrmPrintPreview* p) {
        for (const Step& s : steps) {
            s.act(p);
            seen.emplace_back(p->CurrentPage(), p->mskPreviewPage->text().trimmed());
        }
    });
    ASSERT_EQ(seen.size(), steps.size());
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(seen[i].first, steps[i].page) << steps[i].what;
        EXPECT_EQ(seen[i].second, QString::number(steps[i].page)) << steps[i].what;
    }
}

TEST_F(PrintPreviewTest, EscapeLeavesThePreviewOpen)
{
    bool openAfterEscape = false;
    inPreview(5, [&](TfrmPrintPreview* p) {
        QTest::keyClick(p->ppViewer1, Qt::Key_Escape);
        QTest::keyClick(p, Qt::Key_Escape);
        openAfterEscape = p->isVisible();
    });
    EXPECT_TRUE(openAfterEscape);
}

TEST_F(PrintPreviewTest, PrintOffersThePrintDialogAndTheePreviewStays)
{
    bool dialogShown = false, openAfter = false;
    int maxPage = 0;
    inPreview(10, [&](TfrmPrintPreview* p) {
        WhenModal<QPrintDialog> print([&](QPrintDialog* d) {
            dialogShown = true;
            maxPage = d->maxPage();
            d->reject();
        });
        p->cmdPrint->click();
        openAfter = p->isVisible();
    });
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(maxPage, 2);
    EXPECT_TRUE(openAfter);
    EXPECT_EQ(pagesMade, 1) << "a cancelled print makes no pages";
}

TEST_F(PrintPreviewTest, PagesAreMadeUnderTheHourglassAndAfreshForAPdf)
{
    TempDir dir;
    files.queueAnswer(dir.file("Passwords.pdf"));
    bool normalCursorWhileShown = false;
    inPreview(5, [&](TfrmPrintPreview* p) {
        normalCursorWhileShown = QApplication::overrideCursor() == nullptr;
        p->cmdSavePdf->click();
    });
    EXPECT_TRUE(normalCursorWhileShown);
    EXPECT_EQ(madeUnderHourglass, std::vector<bool>({true, true})) << "once for the screen, once for the PDF";
    EXPECT_TRUE(dir.exists("Passwords.pdf"));
}

} // namespace
