// Building the main window's toolbar, left pane and account page.
#include "MainControls.h"

#include "ui/bindings/DatasetModel.h"
#include "ui/main/HoverPictures.h"
#include "ui/widgets/BackgroundFill.h"
#include "ui/widgets/GradientCaption.h"
#include "ui/widgets/Hint.h"
#include "ui/widgets/NullableDateEdit.h"
#include "ui/widgets/PictureButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace lw {
namespace {

QLabel* navyLabel(const QString& text, QWidget* parent, bool bold)
{
    auto* l = new QLabel(text, parent);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 128));
    l->setPalette(p);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

QToolButton* smallButton(const QString& text, const QString& hint, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setText(text);
    SetHint(b, hint);
    b->setAutoRaise(true);
    return b;
}

} // namespace

void TfrmMain::buildToolbar(QWidget* bar)
{
    Controls& u = *ui_;
    bar->setAutoFillBackground(true);
    QPalette p = bar->palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    bar->setPalette(p);
    bar->setFixedHeight(52);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    HoverPictures& h = *hover_;
    u.cmdNew = h.make(bar, "NEW", QString(), "New Database", {32, 32}, false);
    u.cmdOpen = h.make(bar, "OPEN", "Open", "Open Database", {32, 25}, false);
    u.cmdAddGroup = h.make(bar, "GROUPADD", "Add", "New Group", {28, 28});
    u.cmdEditGroup = h.make(bar, "GROUPEDIT", "Edit", "Edit Group", {28, 28});
    u.cmdDelGroup = h.make(bar, "GROUPDEL", "Delete", "Delete Group", {28, 28});
    u.cmdReport = h.make(bar, "REPORT", "Reports", "Reports", {34, 34});
    u.cmdLog = h.make(bar, "LOG", "Log", "View Access Log", {31, 31});
    u.cmdExpire = h.make(bar, "EXPIRE", "Expired", "Expired Passwords", {32, 21});
    u.cmdOptions = h.make(bar, "OPTIONS", "Options", "Options", {34, 30});
    u.cmdFind = h.make(bar, "FIND", "Find", "Find", {28, 28});
    u.cmdSaveMemo = smallButton("Save", "Save", bar);
    u.cmdSaveMemo->setEnabled(false);
    u.cmdExit = h.make(bar, "EXIT", QString(), "Exit", {32, 23}, false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{u.cmdNew, u.cmdOpen, u.cmdAddGroup, u.cmdEditGroup, u.cmdDelGroup, u.cmdReport,
                                         u.cmdLog, u.cmdExpire, u.cmdOptions, u.cmdFind, u.cmdSaveMemo})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(u.cmdExit);
    // One height for the captioned buttons: their captions share a line and
    // their pictures a middle.
    int tallest = 0;
    for (PictureButton* b : bar->findChildren<PictureButton*>())
        if (!b->text().isEmpty())
            tallest = qMax(tallest, b->minimumHeight());
    for (PictureButton* b : bar->findChildren<PictureButton*>())
        if (!b->text().isEmpty())
            b->setMinimumHeight(tallest);

    const auto runs = [this](PictureButton* b, QAction* a) {
        connect(b, &QAbstractButton::clicked, a, &QAction::trigger);
    };
    runs(u.cmdNew, u.mnuFileNew);
    runs(u.cmdOpen, u.mnuFileOpen);
    runs(u.cmdAddGroup, u.mnuGroupsNew);
    runs(u.cmdEditGroup, u.mnuGroupsEdit);
    runs(u.cmdDelGroup, u.mnuGroupsDelete);
    runs(u.cmdReport, u.mnuGroupsReports);
    runs(u.cmdLog, u.mnuEditLog);
    runs(u.cmdExpire, u.mnuPasswordsExpired);
    runs(u.cmdOptions, u.mnuEditOptions);
    runs(u.cmdFind, u.mnuEditFind);
    runs(u.cmdExit, u.mnuFileExit);
}

void TfrmMain::buildLeftPane(QWidget* pane)
{
    Controls& u = *ui_;
    auto* col = new QVBoxLayout(pane);
    col->setContentsMargins(2, 2, 2, 2);
    col->setSpacing(2);

    auto* groupStrip = new QHBoxLayout;
    groupStrip->addWidget(navyLabel("Group", pane, false));
    u.cboGroup = new QComboBox(pane);
    u.groupModel = new DatasetModel(dm_.qryGroups, "Name", u.cboGroup);
    u.cboGroup->setModel(u.groupModel);
    u.cboGroup->setFixedHeight(25);
    // A list under the box that keeps to its row count and scrolls, rather
    // than the style's list over the box with every row.
    u.cboGroup->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    groupStrip->addWidget(u.cboGroup, 1);
    col->addLayout(groupStrip);

    auto* accountStrip = new QHBoxLayout;
    accountStrip->addWidget(navyLabel("Passwords", pane, false));
    accountStrip->addStretch(1);
    HoverPictures& h = *hover_;
    u.cmdAdd = h.make(pane, "PASSWORDADD", "Add", "Add Password", {28, 15});
    u.cmdEdit = h.make(pane, "PWDEDIT", "Edit", "Edit Password", {28, 15});
    u.cmdDelete = h.make(pane, "PASSWORDDEL", "Delete", "Delete Password", {28, 15});
    for (QWidget* w : std::initializer_list<QWidget*>{u.cmdAdd, u.cmdEdit, u.cmdDelete})
        accountStrip->addWidget(w);
    col->addLayout(accountStrip);
    connect(u.cmdAdd, &QAbstractButton::clicked, u.mnuPasswordsAdd, &QAction::trigger);
    connect(u.cmdEdit, &QAbstractButton::clicked, u.mnuPasswordsEditDescription, &QAction::trigger);
    connect(u.cmdDelete, &QAbstractButton::clicked, u.mnuPasswordsDelete, &QAction::trigger);

    u.GridDescription = new QListView(pane);
    u.accountModel = new DatasetModel(dm_.qryPasswords, "Description", u.GridDescription);
    u.GridDescription->setModel(u.accountModel);
    u.GridDescription->setEditTriggers(QAbstractItemView::NoEditTriggers);
    u.GridDescription->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every row is one line of one font: the list lays out a group of
    // thousands without measuring each description.
    u.GridDescription->setUniformItemSizes(true);
    QPalette p = u.GridDescription->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    u.GridDescription->setPalette(p);
    u.GridDescription->setContextMenuPolicy(Qt::CustomContextMenu);
    col->addWidget(u.GridDescription, 1);
}

void TfrmMain::buildAccountPage(QWidget* page)
{
    Controls& u = *ui_;
    u.TSPassword = page;
    u.BackGround = new BackgroundFill(page);
    u.BackGround->hide();

    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(2);
    int r = 0;

    auto* idRow = new QHBoxLayout;
    idRow->addWidget(navyLabel("ID", page, true));
    u.cmdIDCopy = smallButton("Copy", "Copy ID", page);
    idRow->addWidget(u.cmdIDCopy);
    idRow->addStretch(1);
    u.cmdLockEdit = smallButton("Lock", "Lock Edits", page);
    u.cmdLockEdit->setCheckable(true);
    idRow->addWidget(u.cmdLockEdit);
    grid->addLayout(idRow, r++, 0, 1, 2);
    u.txtID = new QLineEdit(page);
    QFont bold = u.txtID->font();
    bold.setBold(true);
    u.txtID->setFont(bold);
    u.txtID->setMaxLength(100);
    grid->addWidget(u.txtID, r++, 0, 1, 2);

    auto* pwRow = new QHBoxLayout;
    pwRow->addWidget(navyLabel("Password", page, true));
    u.cmdpwdcopy = smallButton("Copy", "Copy Password", page);
    pwRow->addWidget(u.cmdpwdcopy);
    pwRow->addStretch(1);
    grid->addLayout(pwRow, r++, 0, 1, 2);
    u.txtPassword = new QLineEdit(page);
    u.txtPassword->setFont(bold);
    u.txtPassword->setMaxLength(100);
    u.txtPassword->setEnabled(false);
    grid->addWidget(u.txtPassword, r, 0);
    u.cmdPassword = hover_->make(page, "PASSWORD", QString(), "Generate Password", {32, 32});
    grid->addWidget(u.cmdPassword, r++, 1);

    grid->addWidget(navyLabel("Date Expires", page, true), r, 0);
    grid->addWidget(navyLabel("Date Assigned", page, true), r++, 1);
    u.DateExpire = new NullableDateEdit(page);
    u.DateAssign = new NullableDateEdit(page);
    grid->addWidget(u.DateExpire, r, 0);
    grid->addWidget(u.DateAssign, r++, 1);

    grid->addWidget(navyLabel("Web Address", page, true), r++, 0, 1, 2);
    u.txtURL = new QLineEdit(page);
    u.txtURL->setMaxLength(100);
    QPalette navy = u.txtURL->palette();
    navy.setColor(QPalette::Text, QColor(0, 0, 128));
    u.txtURL->setPalette(navy);
    grid->addWidget(u.txtURL, r, 0);
    u.cmdGo = hover_->make(page, "GOURL", QString(), "Go to Web Address", {20, 20});
    grid->addWidget(u.cmdGo, r++, 1);

    grid->addWidget(navyLabel("Notes", page, true), r++, 0, 1, 2);
    u.MemoNotes = new QPlainTextEdit(page);
    u.MemoNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->addWidget(u.MemoNotes, r++, 0, 1, 2);
    grid->setRowStretch(r - 1, 1);
    grid->setColumnStretch(0, 1);
    u.BackGround->lower();
}

} // namespace lw
