#include "MainWindowFixture.h"
#include "WhenModal.h"

#include "ui/dialogs/TfrmLog.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/PictureButton.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

using namespace lw;
using lw::test::FakeClock;
using lw::test::FakeMessages;
using lw::test::TempDir;
using lw::test::WhenModal;

namespace {

QByteArray linesOf(int n)
{
    QByteArray out;
    for (int i = 1; i <= n; ++i)
        out += QByteArray("03/07/2001 12:05 AM ... Family ... ") + (i % 2 ? "success" : "failed") + " #" +
               QByteArray::number(i) + "\r\n";
    return out;
}

class LogViewer : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_FALSE(messages.answersLeft()) << "a scripted answer was not used"; }

    std::unique_ptr<TfrmLog> open()
    {
        auto viewer = std::make_unique<TfrmLog>(nullptr, log, messages);
        viewer->show();
        return viewer;
    }
    QColor colourAt(TfrmLog& v, int position)
    {
        QTextCursor c(v.MemoLog->document());
        c.setPosition(position + 1); // the format of the character before the cursor
        return c.charFormat().foreground().color();
    }

    TempDir dir;
    FakeClock clock;
    FakeMessages messages;
    AliasStore alias{dir.path()};
    AccessLog log{dir.path(), alias, clock, LogSeparators{}};
};

struct CountCase {
    const char* name;
    QByteArray file;
    const char* status;
};

class LogCount : public LogViewer, public ::testing::WithParamInterface<CountCase> { };

TEST_P(LogCount, CountsTheLinesWithoutAFinalEmptyOne)
{
    dir.write("Log.txt", GetParam().file);
    auto v = open();
    EXPECT_EQ(v->SB->text(), GetParam().status);
    EXPECT_EQ(v->MemoLog->toPlainText(), QString::fromLatin1(GetParam().file).replace("\r\n", "\n"));
}

INSTANTIATE_TEST_SUITE_P(Files, LogCount,
                         ::testing::Values(CountCase{"empty", "", " No entries"},
                                           CountCase{"one_line", linesOf(1), " 1 log entry"},
                                           CountCase{"one_line_without_its_end", "a ... success", " 1 log entry"},
                                           CountCase{"two_lines", linesOf(2), " 2 log entries"},
                                           CountCase{"last_line_without_its_end", "a\r\nb", " 2 log entries"},
                                           CountCase{"an_empty_line_inside", "a\r\n\r\nb\r\n", " 3 log entries"},
                                           CountCase{"twenty_five", linesOf(25), " 25 log entries"}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(LogViewer, LooksLikeATooltipColouredFixedWidthView)
{
    dir.write("Log.txt", linesOf(1));
    auto v = open();
    const QFont font = v->MemoLog->font();
    EXPECT_EQ(v->windowTitle(), "Log");
    EXPECT_TRUE(v->MemoLog->isReadOnly());
    EXPECT_EQ(v->MemoLog->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_EQ(font.pixelSize(), 12);
    EXPECT_TRUE(QFontInfo(font).fixedPitch());
    EXPECT_EQ(v->MemoLog->palette().color(QPalette::Base), v->palette().color(QPalette::ToolTipBase));
    EXPECT_EQ(v->Button1->text(), "Clear Log");
    EXPECT_EQ(v->cmdClose->text(), "C&lose");
    EXPECT_TRUE(v->cmdClose->isFlat());
}

TEST_F(LogViewer, ColoursEveryOutcomeWordInAnyCaseAndNothingElse)
{
    const QString text = "01/02/2003 10:00 AM ... failedtests ... SUCCESS\r\n01/02/2003 10:01 AM ... x ... Failed\r\n";
    dir.write("Log.txt", text.toLatin1());
    auto v = open();
    const QString shown = v->MemoLog->toPlainText();
    const QColor green(0, 128, 0), red(255, 0, 0);
    for (const auto& [word, colour] : {std::pair{QString("failedtests"), red}, std::pair{QString("SUCCESS"), green},
                                       std::pair{QString("Failed"), red}}) {
        const int at = int(shown.indexOf(word));
        ASSERT_GE(at, 0);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(colourAt(*v, at + i), word.startsWith("S") ? green : red) << word.toStdString() << i;
    }
    EXPECT_NE(colourAt(*v, int(shown.indexOf("tests")) + 1), red);
    EXPECT_NE(colourAt(*v, 0), green);
    EXPECT_EQ(dir.read("Log.txt"), text.toLatin1()) << "colour stays in the view";
    EXPECT_EQ(v->MemoLog->textCursor().position(), 0);
    EXPECT_FALSE(v->MemoLog->textCursor().hasSelection());
}

TEST_F(LogViewer, OpensWithTheNewestLinesInView)
{
    dir.write("Log.txt", linesOf(30));
    auto v = open();
    QScrollBar* bar = v->MemoLog->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    const QTextBlock last = v->MemoLog->document()->lastBlock().previous(); // the empty block after the last end
    QTextCursor c(last);
    EXPECT_TRUE(v->MemoLog->viewport()->rect().contains(v->MemoLog->cursorRect(c)));
}

TEST_F(LogViewer, WithoutALogFileSaysSoAndClearLogCreatesAnEmptyOne)
{
    auto v = open();
    EXPECT_EQ(v->MemoLog->toPlainText(), "Could not find Log file");
    EXPECT_EQ(v->SB->text(), "");
    messages.queueAnswer(true);
    v->Button1->click();
    EXPECT_TRUE(dir.exists("Log.txt"));
    EXPECT_EQ(dir.read("Log.txt").size(), 0);
    EXPECT_EQ(v->SB->text(), " No entries");
}

TEST_F(LogViewer, ClearLogAsksAndOnlyOkEmptiesTheFile)
{
    dir.write("Log.txt", linesOf(4));
    auto v = open();
    messages.queueAnswer(false);
    v->Button1->click();
    EXPECT_EQ(dir.read("Log.txt"), linesOf(4));
    EXPECT_EQ(v->SB->text(), " 4 log entries");
    messages.queueAnswer(true);
    v->Button1->click();
    EXPECT_EQ(dir.read("Log.txt"), QByteArray());
    EXPECT_EQ(v->MemoLog->toPlainText(), "");
    EXPECT_EQ(v->SB->text(), " No entries");
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].kind, "okcancel");
    EXPECT_EQ(messages.boxes[0].text, "Clear the Log?");
}

TEST_F(LogViewer, AClickOnTheBareToolbarDropsTheThreeOldestLines)
{
    struct TrimCase {
        int lines;
        QByteArray left;
        const char* status;
    };
    const TrimCase cases[] = {{2, "", " No entries"}, {5, linesOf(5).mid(linesOf(3).size()), " 2 log entries"}};
    for (const TrimCase& c : cases) {
        dir.write("Log.txt", linesOf(c.lines));
        auto v = open();
        QTest::mouseClick(v->pnlToolbar, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(dir.read("Log.txt"), c.left) << c.lines;
        EXPECT_EQ(v->SB->text(), c.status) << c.lines;
        EXPECT_EQ(v->MemoLog->toPlainText(), QString::fromLatin1(c.left).replace("\r\n", "\n"));
    }
}

TEST_F(LogViewer, AClickOnAToolbarButtonIsNotAToolbarClick)
{
    dir.write("Log.txt", linesOf(5));
    auto v = open();
    messages.queueAnswer(false);
    QTest::mouseClick(v->Button1, Qt::LeftButton);
    EXPECT_EQ(dir.read("Log.txt"), linesOf(5));
}

// A log that cannot be read or written shows the error box; the view keeps what it showed.
TEST_F(LogViewer, AFailingLogLeavesTheViewAsItWas)
{
    struct FailCase {
        const char* name;
        std::function<void(TfrmLog&)> act;
    };
    const FailCase cases[] = {
        {"clear",
         [this](TfrmLog& v) {
             messages.queueAnswer(true);
             v.Button1->click();
         }},
        {"trim", [](TfrmLog& v) { QTest::mouseClick(v.pnlToolbar, Qt::LeftButton, {}, QPoint(5, 5)); }},
    };
    for (const FailCase& c : cases) {
        dir.write("Log.txt", linesOf(3));
        auto v = open();
        // The log's name now names a folder: it can be neither read nor replaced.
        QFile::remove(dir.file("Log.txt"));
        QDir(dir.path()).mkdir("Log.txt");
        QString error;
        WhenModal<QMessageBox> box([&](QMessageBox* b) {
            error = b->text();
            b->accept();
        });
        c.act(*v);
        EXPECT_TRUE(box.ran()) << c.name;
        EXPECT_TRUE(error.contains("Log.txt")) << c.name << ": " << error.toStdString();
        EXPECT_EQ(v->MemoLog->toPlainText(), QString::fromLatin1(linesOf(3)).replace("\r\n", "\n")) << c.name;
        EXPECT_EQ(v->SB->text(), " 3 log entries") << c.name;
        QDir(dir.path()).rmdir("Log.txt");
    }
}

TEST_F(LogViewer, EscapeClosesFromTheViewAndFromTheButtons)
{
    dir.write("Log.txt", linesOf(2));
    for (int target = 0; target < 3; ++target) {
        TfrmLog v(nullptr, log, messages);
        QWidget* focus = target == 0   ? static_cast<QWidget*>(v.MemoLog)
                         : target == 1 ? static_cast<QWidget*>(v.Button1)
                                       : static_cast<QWidget*>(v.cmdClose);
        bool closed = false;
        WhenModal<TfrmLog> press([&](TfrmLog* d) {
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Escape);
            closed = !d->isVisible();
            if (d->isVisible())
                d->reject();
        });
        v.exec();
        EXPECT_TRUE(closed) << "target " << target;
    }
}

// Through the main window: the menu, the toolbar button and the keyboard.
class LogCommand : public lw::test::MainWindowTest { };

TEST_F(LogCommand, OpensFromTheMenuTheToolbarAndCtrlL)
{
    createDatabase("work.pdb", "secret1");
    QStringList statuses;
    const auto look = [&](TfrmLog& d) {
        statuses << d.SB->text();
        d.cmdClose->click();
    };
    modal.then<TfrmLog>(look);
    main->ui().mnuEditLog->trigger();
    modal.then<TfrmLog>(look);
    main->ui().cmdLog->click();
    modal.then<TfrmLog>(look);
    QApplication::setActiveWindow(main.get());
    QTest::keyClick(main.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(statuses, (QStringList{" 1 log entry", " 1 log entry", " 1 log entry"}));
}

} // namespace
