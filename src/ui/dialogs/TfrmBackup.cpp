#include "TfrmBackup.h"

#include "PasswordFields.h"
#include "settings/IniFile.h"
#include "store/AliasStore.h"
#include "store/Messages.h"
#include "ui/AppServices.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/FileChooser.h"
#include "ui/widgets/Hint.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace lw {
namespace {

const QString kSection = "Backup";
const QString kNotSet = "ERROR";
constexpr int kFirstInterval = 3;

// The folder part of a file's path: the separator stays only after a root.
QString folderOf(const QString& path)
{
    const qsizetype cut = qMax(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    if (cut < 0)
        return QString();
    const QString head = path.left(cut);
    const bool root = head.isEmpty() || (head.size() == 2 && head.at(1) == ':');
    return root ? path.left(cut + 1) : head;
}

// Whether a typed folder names the database's own folder. Letter case,
// a trailing separator, "." and ".." steps and links do not hide it.
bool sameFolder(const QString& typed, const QString& databaseFolder)
{
    if (typed.isEmpty() || databaseFolder.isEmpty())
        return false;
    if (QDir::cleanPath(typed).compare(QDir::cleanPath(databaseFolder), Qt::CaseInsensitive) == 0)
        return true;
    const QString a = QFileInfo(typed).canonicalFilePath();
    return !a.isEmpty() && a == QFileInfo(databaseFolder).canonicalFilePath();
}

} // namespace

TfrmBackup::TfrmBackup(QWidget* owner, AppServices& services) : QDialog(owner), s_(services)
{
    setObjectName("frmBackup");
    setWindowTitle(" Backup Options");
    buildControls();
    CloseOnEscape(this);
    connect(DirEditButton, &QToolButton::clicked, this, [this] { RunCommand(this, [this] { DirEditBrowse(); }); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { cmdOKClick(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void TfrmBackup::buildControls()
{
    DirEdit = new QLineEdit(this);
    DirEdit->setMinimumWidth(300);
    DirEdit->setCursor(Qt::ArrowCursor);
    DirEditButton = new QToolButton(this);
    DirEditButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    DirEditButton->setFixedWidth(35);
    SetHint(DirEditButton, "Browse");

    auto* options = new QGroupBox(" Backup Options ", this);
    chkNoBackup = new QRadioButton("Do not Backup", options);
    chkBackup = new QRadioButton("Backup Every", options);
    txtInterval = new QSpinBox(options);
    txtInterval->setRange(1, 50);
    txtInterval->setValue(kFirstInterval);
    txtInterval->setAlignment(Qt::AlignCenter);
    QFont bold = txtInterval->font();
    bold.setBold(true);
    txtInterval->setFont(bold);
    // Only the arrows change the number; Tab passes it by.
    txtInterval->findChild<QLineEdit*>()->setReadOnly(true);
    txtInterval->setFocusPolicy(Qt::ClickFocus);
    auto* every = new QHBoxLayout;
    every->addWidget(chkBackup);
    every->addWidget(txtInterval);
    every->addWidget(new QLabel("times the program is used", options));
    every->addStretch(1);
    auto* inBox = new QVBoxLayout(options);
    inBox->addWidget(chkNoBackup);
    inBox->addLayout(every);

    chkConfirm = new QCheckBox("Display Confirmation after database is backed up", this);
    MakeOkCancelButtons(this, cmdOK, cmdCancel);

    auto* col = new QVBoxLayout(this);
    col->addWidget(new QLabel("Specify Backup Directory:", this));
    auto* dirRow = new QHBoxLayout;
    dirRow->setSpacing(0);
    dirRow->addWidget(DirEdit);
    dirRow->addWidget(DirEditButton);
    col->addLayout(dirRow);
    col->addWidget(options);
    col->addWidget(chkConfirm);
    FinishOkCancelDialog(this, col, cmdOK, cmdCancel);
}

void TfrmBackup::FormCreate()
{
    adjustSize();
    CenterOver(parentWidget(), this);
    const IniFile& ini = s_.settings;
    const QString dir = ini.readString(kSection, "dir", kNotSet);
    if (dir != kNotSet)
        DirEdit->setText(dir);
    const int interval = ini.readInt(kSection, "interval", -1);
    txtInterval->setValue(interval >= 1 && interval <= 50 ? interval : kFirstInterval);
    const bool on = ini.readString(kSection, "mode", kNotSet).compare("Yes", Qt::CaseInsensitive) == 0;
    (on ? chkBackup : chkNoBackup)->setChecked(true);
    chkConfirm->setChecked(ini.readBool(kSection, "Confirmation", true));
}

void TfrmBackup::DirEditBrowse()
{
    const QString chosen = s_.files.chooseFolder(this, "Select a Backup Directory", DirEdit->text());
    DirEditAfterDialog();
    if (!chosen.isEmpty())
        DirEdit->setText(QDir::toNativeSeparators(chosen));
}

// Keeps the folder the edit held when the browser opened; a chosen folder
// reaches the settings file through OK.
void TfrmBackup::DirEditAfterDialog()
{
    if (!DirEdit->text().isEmpty())
        s_.settings.writeString(kSection, "dir", DirEdit->text());
}

QString TfrmBackup::refusal() const
{
    const QString dir = DirEdit->text();
    if (chkBackup->isChecked() && dir.isEmpty())
        return "A backup directory must be specified";
    if (chkBackup->isChecked() && !QFileInfo(dir).isDir())
        return "The specified backup directory is invalid";
    if (sameFolder(dir, folderOf(s_.alias.GetDatabasePath())))
        return "Sorry, You must specify a backup directory that is different than the directory in which the "
               "database currently resides.";
    return QString();
}

void TfrmBackup::cmdOKClick()
{
    const QString refused = refusal();
    if (!refused.isEmpty()) {
        s_.messages.ShowInfo(refused);
        return;
    }
    IniFile& ini = s_.settings;
    const QString dir = DirEdit->text();
    const int interval = txtInterval->value();
    if (!dir.isEmpty())
        ini.writeString(kSection, "dir", dir);
    ini.writeInt(kSection, "interval", interval);
    ini.writeBool(kSection, "Confirmation", chkConfirm->isChecked());
    // The next use after a first set-up, or after the interval fell below
    // the running count, makes a backup.
    const int count = ini.readInt(kSection, "count", -1);
    if (count == -1 || count > interval)
        ini.writeInt(kSection, "count", interval);
    ini.writeString(kSection, "mode", chkBackup->isChecked() ? "YES" : "NO");
    accept();
}

} // namespace lw
