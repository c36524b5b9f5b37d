#include "TfrmFind.h"

#include "PasswordFields.h"
#include "records/TDM.h"
#include "settings/IniFile.h"
#include "ui/AppServices.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/bindings/CurrentRowSync.h"
#include "ui/bindings/DatasetModel.h"
#include "ui/bindings/EventHook.h"
#include "ui/widgets/NameEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace lw {
namespace {

const QStringList kWhere{"All", "Group Name", "Password Description", "Password", "ID", "Internet", "Notes"};

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

bool TfrmFind::AcceptsTyped(QChar c)
{
    const char16_t u = c.unicode();
    return u == 8 || u == 13 || u == ' ' || u == '!' || (u >= 35 && u <= 57) || (u >= 'A' && u <= 'Z') || u == '\\' ||
           (u >= 94 && u <= 122) || u == '~';
}

TfrmFind::TfrmFind(QWidget* owner, TDM& dm, AppServices& services) : QDialog(owner), dm_(dm), s_(services)
{
    setObjectName("frmFind");
    setWindowTitle("Find");

    auto* strip = new QWidget(this);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(new QLabel("What", strip));
    txtFind = new QLineEdit(strip);
    txtFind->setMinimumWidth(150);
    row->addWidget(txtFind, 1);
    row->addWidget(new QLabel("Where", strip));
    cboWhere = new QComboBox(strip);
    cboWhere->addItems(kWhere);
    row->addWidget(cboWhere);
    cmdFind = new QPushButton("Fin&d", strip);
    cmdFind->setAutoDefault(false);
    row->addWidget(cmdFind);

    DBGridFind = new QTableView(this);
    auto* model = new DatasetModel(dm_.qryFind, QStringList{"Name", "Description"}, DBGridFind);
    DBGridFind->setModel(model);
    DBGridFind->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGridFind->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGridFind->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridFind->setTabKeyNavigation(false);
    DBGridFind->verticalHeader()->setDefaultSectionSize(20);
    DBGridFind->verticalHeader()->setFixedWidth(12); // the row indicator
    DBGridFind->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    QFont titleFont = DBGridFind->horizontalHeader()->font();
    titleFont.setBold(true);
    DBGridFind->horizontalHeader()->setFont(titleFont);
    QPalette titles = DBGridFind->horizontalHeader()->palette();
    titles.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    DBGridFind->horizontalHeader()->setPalette(titles);
    DBGridFind->setColumnWidth(0, 170);
    DBGridFind->horizontalHeader()->setStretchLastSection(true);
    QPalette grid = DBGridFind->palette();
    grid.setColor(QPalette::Base, grid.color(QPalette::ToolTipBase));
    DBGridFind->setPalette(grid);
    DBGridFind->setMinimumSize(420, 220);
    CurrentRowSync::bind(DBGridFind, dm_.qryFind,
                         [this](int r) { RunCommand(this, [this, r] { dm_.qryFind.moveTo(r); }); });

    cmdOK = MakeBoldButton("OK", this);
    cmdCancel = MakeBoldButton("Cancel", this);
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->setContentsMargins(6, 0, 6, 0);

    auto* bar = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    SB = new QLabel(bar);
    bar->addWidget(SB, 1);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(4);
    col->addWidget(strip);
    col->addWidget(DBGridFind, 1);
    col->addLayout(buttons);
    col->addWidget(bar);
    col->setSizeConstraint(QLayout::SetFixedSize);

    const auto run = [this](void (TfrmFind::*handler)()) {
        return [this, handler] { RunCommand(this, [this, handler] { (this->*handler)(); }); };
    };
    connect(cmdFind, &QPushButton::clicked, this, run(&TfrmFind::cmdFindClick));
    connect(cmdOK, &QPushButton::clicked, this, run(&TfrmFind::cmdOKClick));
    connect(DBGridFind, &QAbstractItemView::doubleClicked, this, run(&TfrmFind::cmdOKClick));
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    EventHook::install(txtFind, [this](QEvent* e) { return txtFindKeyPress(e); });
    EventHook::install(DBGridFind, [this](QEvent* e) { return DBGridFindKeyPress(e); });
    FormCreate();
}

void TfrmFind::FormCreate()
{
    // A stored choice out of range falls back to "All".
    const int index = s_.settings.readInt("SearchOptions", "index", 0);
    cboWhere->setCurrentIndex(index >= 0 && index < kWhere.size() ? index : 0);
    dm_.qryFind.close();
    adjustSize();
    CenterOver(parentWidget(), this);
    txtFind->setFocus();
}

void TfrmFind::done(int result)
{
    RunCommand(this, [this] { s_.settings.writeInt("SearchOptions", "index", cboWhere->currentIndex()); });
    QDialog::done(result);
}

bool TfrmFind::txtFindKeyPress(QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::ShortcutOverride) {
        // The clipboard keys type control characters, which the box does not take.
        if (key->modifiers() & Qt::ControlModifier) {
            event->accept();
            return true;
        }
        return false;
    }
    if (isEnter(key)) {
        RunCommand(this, [this] { cmdFindClick(); });
        return true;
    }
    if (key->key() == Qt::Key_Backspace)
        return false;
    const QString text = key->text();
    if (text.isEmpty())
        return key->modifiers() & Qt::ControlModifier; // moves and deletes by keys still work
    for (QChar c : text)
        if (!AcceptsTyped(c))
            return true;
    return false;
}

bool TfrmFind::DBGridFindKeyPress(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(key)) {
        RunCommand(this, [this] { cmdOKClick(); });
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    Dataset& found = dm_.qryFind;
    if (found.isOpen() && found.recordCount() > 0)
        RunCommand(this, [&found, text] { found.locate("Name", text, {.caseInsensitive = true, .partialKey = true}); });
    return true;
}

void TfrmFind::cmdFindClick()
{
    const QString text = TrimBlanks(txtFind->text());
    if (text.isEmpty()) {
        txtFind->clear();
        txtFind->setFocus();
        dm_.qryFind.close();
        SB->setText(" 0 accounts found");
        return;
    }
    dm_.RunFind(cboWhere->currentIndex(), text);
    ShowFindCount();
    if (dm_.qryFind.recordCount() > 0) {
        DBGridFind->setFocus();
    } else {
        QApplication::beep();
        txtFind->selectAll();
        txtFind->setFocus();
    }
}

void TfrmFind::ShowFindCount()
{
    const int n = dm_.qryFind.recordCount();
    SB->setText(n == 1 ? QStringLiteral(" 1 account found") : QStringLiteral(" %1 accounts found").arg(n));
}

void TfrmFind::cmdOKClick()
{
    if (dm_.GoToListedAccount(dm_.qryFind))
        accept();
}

} // namespace lw
