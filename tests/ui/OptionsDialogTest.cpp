#include "MainWindowFixture.h"

#include "store/Connection.h"
#include "ui/dialogs/TfrmOptions.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/BackgroundFill.h"
#include "ui/widgets/PictureButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

class OptionsDialog : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        createDatabase("work.pdb", "secret1");
    }
    // Opens the dialog from the Edit menu and acts on it; the act closes it.
    void withOptions(std::function<void(TfrmOptions&)> act)
    {
        modal.then<TfrmOptions>([act](TfrmOptions& d) {
            act(d);
            if (d.isVisible())
                d.reject();
        });
        main->ui().mnuEditOptions->trigger();
    }
    QVariant stored(const QString& column)
    {
        return main->session().connection().scalar("SELECT " + column + " FROM Options");
    }
    void addAccounts()
    {
        main->session().connection().exec(
            "INSERT INTO Passwords (GroupID, Description, ID, Password) VALUES (1, 'mail', 'me', 'pw1');");
        main->DM().qryGroups.refresh();
        main->DM().qryPasswords.refresh();
    }
    bool masked() { return main->ui().txtPassword->echoMode() == QLineEdit::Password; }
    // A click on the box's square.
    static void tick(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }
    // Picks a style from the keyboard, as a user steps through the list.
    static void pick(QComboBox* combo, const QString& name)
    {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        while (combo->currentText() != name && combo->currentIndex() < combo->count() - 1)
            QTest::keyClick(combo, Qt::Key_Down);
    }
};

TEST_F(OptionsDialog, WithoutSettingsShowsTheDefaultsAndOkWritesThemWithRemindOn)
{
    QString caption;
    QStringList tabs;
    int page = -1;
    QString style, view, interval;
    int intervalItem = -1;
    std::vector<bool> ticks;
    withOptions([&](TfrmOptions& d) {
        caption = d.windowTitle();
        for (int i = 0; i < d.pages->count(); ++i)
            tabs << d.pages->tabText(i);
        page = d.pages->currentIndex();
        style = d.cboStyle->currentText();
        view = d.cboViewPassword->currentText();
        interval = d.cboDBMaintenance->currentText();
        intervalItem = d.cboDBMaintenance->currentIndex();
        for (QCheckBox* b : {d.chkPrompt, d.chkMaximize, d.chkAutoCase, d.chkScreenPos, d.chkWarn,
                             d.cboRestorePermission, d.chkRemind, d.chkButtonSound, d.chkAccess})
            ticks.push_back(b->isChecked());
        d.cmdOK->click();
    });

    EXPECT_EQ(caption, "Options");
    EXPECT_EQ(tabs, (QStringList{"General", "Security", "Sounds", "Advanced"}));
    EXPECT_EQ(page, 0);
    EXPECT_EQ(style, "None");
    EXPECT_EQ(view, "Mouse moves over password");
    EXPECT_EQ(interval, "100");
    EXPECT_EQ(intervalItem, 9);
    EXPECT_EQ(ticks, (std::vector<bool>{true, false, true, false, false, true, false, true, true}));
    EXPECT_EQ(settings.readString("ExpireOptions", "remind", "?"), "1");
    EXPECT_EQ(settings.readString("Options", "autocase", "?"), "1");
    EXPECT_EQ(settings.readString("Options", "maximized", "?"), "0");
    EXPECT_EQ(settings.readString("Options", "screenpos", "?"), "0");
    EXPECT_EQ(settings.readString("Options", "warn", "?"), "0");
    EXPECT_EQ(settings.readString("SoundOptions", "buttons", "?"), "1");
    EXPECT_EQ(settings.readString("SoundOptions", "access", "?"), "1");
    EXPECT_EQ(main->DM().qryOptions.state(), Dataset::State::Browse);
}

// Each box of the settings file: ticking it against its default is written,
// applied where the window keeps a flag, and shown again at the next opening.
struct SettingCase {
    const char* name;
    QCheckBox* TfrmOptions::*box;
    const char* section;
    const char* key;
    bool defaultTick;
    bool inverted; // the file holds the opposite of the tick
};

const SettingCase kSettings[] = {
    {"maximized", &TfrmOptions::chkMaximize, "Options", "maximized", false, false},
    {"autocase", &TfrmOptions::chkAutoCase, "Options", "autocase", true, false},
    {"screenpos", &TfrmOptions::chkScreenPos, "Options", "screenpos", false, false},
    {"warn", &TfrmOptions::chkWarn, "Options", "warn", false, false},
    {"remind", &TfrmOptions::chkRemind, "ExpireOptions", "remind", false, true},
    {"buttons", &TfrmOptions::chkButtonSound, "SoundOptions", "buttons", true, false},
    {"access", &TfrmOptions::chkAccess, "SoundOptions", "access", true, false},
};

class OptionsRoundTrip : public OptionsDialog, public ::testing::WithParamInterface<SettingCase> { };

TEST_P(OptionsRoundTrip, ATickIsWrittenAppliedAndShownAgain)
{
    const SettingCase& c = GetParam();
    bool before = false, after = false;
    withOptions([&](TfrmOptions& d) {
        before = (d.*c.box)->isChecked();
        tick(d.*c.box);
        d.cmdOK->click();
    });
    withOptions([&](TfrmOptions& d) { after = (d.*c.box)->isChecked(); });

    const bool ticked = !c.defaultTick;
    EXPECT_EQ(before, c.defaultTick);
    EXPECT_EQ(after, ticked);
    EXPECT_EQ(settings.readBool(c.section, c.key, !(ticked != c.inverted)), ticked != c.inverted);
    EXPECT_EQ(main->flags().WarnBeforeSave, std::string(c.key) == "warn");
    EXPECT_EQ(main->ButtonSoundsOn, std::string(c.key) != "buttons");
    EXPECT_EQ(main->session().AccessSoundsOn, std::string(c.key) != "access");
}

INSTANTIATE_TEST_SUITE_P(Boxes, OptionsRoundTrip, ::testing::ValuesIn(kSettings),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(OptionsDialog, TheDataBoundControlsEditTheRowWhichOkStores)
{
    withOptions([&](TfrmOptions& d) {
        tick(d.chkPrompt);
        tick(d.cboRestorePermission);
        d.cboDBMaintenance->lineEdit()->selectAll();
        QTest::keyClicks(d.cboDBMaintenance->lineEdit(), "250");
        d.cmdOK->click();
    });
    EXPECT_EQ(stored("promptpassword").toInt(), 0);
    EXPECT_EQ(stored("pwdsystray").toInt(), 0);
    EXPECT_EQ(stored("dbmaintfreq").toInt(), 250);
    EXPECT_EQ(main->DM().qryOptions.state(), Dataset::State::Browse);
}

// The maintenance countdown never stays above a new, shorter interval.
struct CountdownCase {
    int interval, count;
    const char* typed;
    int newCount;
};

class Countdown : public OptionsDialog, public ::testing::WithParamInterface<CountdownCase> { };

TEST_P(Countdown, FollowsTheInterval)
{
    const CountdownCase& c = GetParam();
    main->session().connection().exec(
        QString("UPDATE Options SET DBMaintFreq = %1, DBMaintCount = %2;").arg(c.interval).arg(c.count));
    main->DM().qryOptions.refresh();
    withOptions([&](TfrmOptions& d) {
        d.cboDBMaintenance->lineEdit()->selectAll();
        QTest::keyClicks(d.cboDBMaintenance->lineEdit(), c.typed);
        d.cmdOK->click();
    });
    EXPECT_EQ(stored("dbmaintfreq").toInt(), QString(c.typed).toInt());
    EXPECT_EQ(stored("dbmaintcount").toInt(), c.newCount);
}

INSTANTIATE_TEST_SUITE_P(Intervals, Countdown,
                         ::testing::Values(CountdownCase{100, 57, "20", 20}, CountdownCase{20, 7, "100", 7},
                                           CountdownCase{100, 100, "100", 100}));

// The interval box takes whole numbers from 1 to 9999 as they are typed.
TEST_F(OptionsDialog, TheIntervalBoxTakesOnlyWholeNumbersUpTo9999)
{
    struct Typing {
        const char* keys;
        const char* shown;
    };
    // A key the box refuses leaves the selected text in place.
    const Typing cases[] = {{"abc", "100"}, {"0", "100"}, {"-5", "5"}, {"12345", "1234"}, {"3.5", "35"}, {"075", "75"}};
    QStringList shown, rowValues;
    withOptions([&](TfrmOptions& d) {
        QLineEdit* edit = d.cboDBMaintenance->lineEdit();
        for (const Typing& t : cases) {
            edit->selectAll();
            QTest::keyClicks(edit, t.keys);
            shown << edit->text();
            rowValues << main->DM().qryOptions.value("dbmaintfreq").toString();
        }
        // Leaving the box with nothing acceptable in it shows the row's value again.
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &out);
        shown << edit->text();
        d.cmdOK->click();
    });
    EXPECT_EQ(shown, (QStringList{"100", "100", "5", "1234", "35", "75", "75"}));
    EXPECT_EQ(rowValues, (QStringList{"100", "100", "5", "1234", "35", "75"}));
    EXPECT_EQ(stored("dbmaintfreq").toInt(), 75);
}

TEST_F(OptionsDialog, PickingAStyleShowsItAtOnceAndCancelKeepsItForTheNextStore)
{
    BackgroundFill* fill = main->ui().BackGround;
    bool shownAfterSahara = false, hiddenAfterNone = false;
    QString fillStyle;
    withOptions([&](TfrmOptions& d) {
        pick(d.cboStyle, "Sahara");
        shownAfterSahara = fill->isVisible();
        fillStyle = fill->styleName();
        pick(d.cboStyle, "None");
        hiddenAfterNone = !fill->isVisible();
        pick(d.cboStyle, "London");
        d.cmdCancel->click();
    });
    EXPECT_TRUE(shownAfterSahara);
    EXPECT_EQ(fillStyle, "Sahara");
    EXPECT_TRUE(hiddenAfterNone);
    EXPECT_TRUE(fill->isVisible());
    EXPECT_EQ(fill->styleName(), "London");
    EXPECT_EQ(stored("style").toString(), "None");
    EXPECT_EQ(main->DM().qryOptions.state(), Dataset::State::Edit);
    main->session().CloseDatabase();
    unlock("secret1");
    EXPECT_EQ(main->DM().qryOptions.value("style").toString(), "London");
}

TEST_F(OptionsDialog, OkShowsTheStoredStyleAndNoneHidesIt)
{
    for (const char* style : {"Hanoi", "None"}) {
        withOptions([&](TfrmOptions& d) {
            pick(d.cboStyle, style);
            d.cmdOK->click();
        });
        EXPECT_EQ(stored("style").toString(), style);
        EXPECT_EQ(main->ui().BackGround->isVisible(), std::string(style) != "None") << style;
    }
}

TEST_F(OptionsDialog, AStyleOutsideTheListSelectsNothingAndOneInOtherCaseIsFound)
{
    int index = 0;
    for (const char* style : {"Paris", "honolulu"}) {
        main->session().connection().exec(QString("UPDATE Options SET style = '%1';").arg(style));
        main->DM().qryOptions.refresh();
        withOptions([&](TfrmOptions& d) { index = d.cboStyle->currentIndex(); });
        EXPECT_EQ(index, std::string(style) == "Paris" ? -1 : 6) << style;
    }
}

TEST_F(OptionsDialog, TheMaskFollowsTheDisplayModeAtOnceWithOrWithoutAccounts)
{
    auto choose = [&](int mode) {
        withOptions([&](TfrmOptions& d) {
            d.pages->setCurrentIndex(1);
            d.cboViewPassword->setCurrentIndex(mode);
            d.cmdOK->click();
        });
        return stored("showpassword").toInt();
    };
    ASSERT_EQ(main->DM().qryPasswords.recordCount(), 0);
    EXPECT_EQ(choose(0), 0);
    EXPECT_FALSE(masked());
    EXPECT_EQ(choose(2), 2);
    EXPECT_TRUE(masked()) << "a group without accounts still gets the mask";

    addAccounts();
    main->ApplyPasswordMask();
    ASSERT_TRUE(masked());
    EXPECT_EQ(choose(0), 0);
    EXPECT_FALSE(masked()) << "the shown password is in clear at once";
    EXPECT_EQ(main->ui().txtPassword->text(), "pw1");
    EXPECT_EQ(choose(1), 1);
    EXPECT_TRUE(masked());
}

TEST_F(OptionsDialog, EscapeClosesLikeCancelFromAnyControl)
{
    const QByteArray before = dir.read("lw.ini");
    for (int page = 0; page < 4; ++page) {
        bool closed = false;
        withOptions([&](TfrmOptions& d) {
            d.pages->setCurrentIndex(page);
            QWidget* focus = page == 0   ? static_cast<QWidget*>(d.cboStyle)
                             : page == 1 ? static_cast<QWidget*>(d.chkRemind)
                             : page == 2 ? static_cast<QWidget*>(d.chkAccess)
                                         : static_cast<QWidget*>(d.cboDBMaintenance->lineEdit());
            tick(page == 1 ? d.chkRemind : d.chkWarn);
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Escape);
            closed = !d.isVisible() && d.result() == QDialog::Rejected;
        });
        EXPECT_TRUE(closed) << "page " << page;
    }
    EXPECT_EQ(dir.read("lw.ini"), before);
    EXPECT_FALSE(main->flags().WarnBeforeSave);
}

TEST_F(OptionsDialog, TheSecurityPageSetsTheClipboardDelayAndTheIdleLock)
{
    QString page;
    QStringList shown;
    withOptions([&](TfrmOptions& d) {
        page = d.pages->tabText(d.pages->indexOf(d.txtLockTime->parentWidget()));
        shown << d.txtClipboardSeconds->text() << d.txtLockTime->text();
        d.txtClipboardSeconds->setValue(30);
        d.txtLockTime->setValue(15);
        d.cmdOK->click();
    });
    EXPECT_EQ(page, "Security");
    EXPECT_EQ(shown, (QStringList{"10 seconds", "Never"}));
    EXPECT_EQ(settings.readInt("Options", "clipboardseconds", -1), 30);
    EXPECT_EQ(settings.readInt("Options", "locktime", -1), 15);
    EXPECT_EQ(main->idleWatch().limit(), 15) << "in force at once";
    withOptions([&](TfrmOptions& d) {
        shown = {d.txtClipboardSeconds->text(), d.txtLockTime->text()};
        d.txtClipboardSeconds->setValue(0);
        d.cmdCancel->click();
    });
    EXPECT_EQ(shown, (QStringList{"30 seconds", "15 minutes"}));
    EXPECT_EQ(settings.readInt("Options", "clipboardseconds", -1), 30);
}

TEST_F(OptionsDialog, TheToolbarButtonAndCtrlOOpenIt)
{
    int opened = 0;
    modal.then<TfrmOptions>([&](TfrmOptions& d) {
        ++opened;
        d.reject();
    });
    main->ui().cmdOptions->click();
    modal.then<TfrmOptions>([&](TfrmOptions& d) {
        ++opened;
        d.reject();
    });
    QApplication::setActiveWindow(main.get());
    QTest::keyClick(main.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(opened, 2);
}

} // namespace
