// The options dialog's four pages and its buttons.
#include "TfrmOptions.h"

#include "PasswordFields.h"
#include "records/Dataset.h"
#include "settings/SecuritySettings.h"
#include "ui/bindings/FieldBinding.h"
#include "ui/widgets/BackgroundFill.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lw {
namespace {

// The longest text the maintenance interval box takes.
constexpr int kIntervalMaxLength = 10;

QCheckBox* box(const QString& caption, QWidget* page)
{
    return new QCheckBox(caption, page);
}

// A page of controls stacked from the top.
QVBoxLayout* column(QWidget* page)
{
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(12, 12, 12, 12);
    col->setSpacing(8);
    return col;
}

QHBoxLayout* labelled(const QString& label, QWidget* control, QWidget* page)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label, page));
    row->addWidget(control);
    row->addStretch(1);
    return row;
}

// A delay in whole units, where 0 reads "Never".
QSpinBox* delayBox(int highest, const QString& unit, QWidget* page)
{
    auto* spin = new QSpinBox(page);
    spin->setRange(0, highest);
    spin->setSuffix(" " + unit);
    spin->setSpecialValueText("Never");
    return spin;
}

} // namespace

void TfrmOptions::buildPages()
{
    pages = new QTabWidget(this);
    pages->addTab(generalPage(), "General");
    pages->addTab(securityPage(), "Security");
    pages->addTab(soundsPage(), "Sounds");
    pages->addTab(advancedPage(), "Advanced");
    pages->setCurrentIndex(0);

    MakeOkCancelButtons(this, cmdOK, cmdCancel);

    auto* col = new QVBoxLayout(this);
    col->addWidget(pages);
    FinishOkCancelDialog(this, col, cmdOK, cmdCancel);
}

QWidget* TfrmOptions::generalPage()
{
    auto* page = new QWidget;
    QVBoxLayout* col = column(page);
    cboStyle = new QComboBox(page);
    cboStyle->addItems(BackgroundFill::styleNames());
    cboStyle->setMinimumWidth(140);
    col->addLayout(labelled("Background Style", cboStyle, page));
    chkPrompt = box("Confirm when replacing password from password generator", page);
    FieldBinding::bind(chkPrompt, options_, "promptpassword");
    chkMaximize = box("Maximize Window on Startup", page);
    chkAutoCase = box("Use proper case when entering Groups and Passwords", page);
    chkScreenPos = box("Remember Screen Position", page);
    chkWarn = box("Warn before saving changes", page);
    for (QWidget* w : std::initializer_list<QWidget*>{chkPrompt, chkMaximize, chkAutoCase, chkScreenPos, chkWarn})
        col->addWidget(w);
    col->addStretch(1);
    return page;
}

QWidget* TfrmOptions::securityPage()
{
    auto* page = new QWidget;
    QVBoxLayout* col = column(page);
    cboRestorePermission = box("Require password from system tray", page);
    FieldBinding::bind(cboRestorePermission, options_, "pwdsystray");
    chkRemind = box("Show Expired Passwords when opening database", page);
    cboViewPassword = new QComboBox(page);
    cboViewPassword->addItems({"Always show password", "Mouse moves over password", "Editing password only"});
    col->addWidget(cboRestorePermission);
    col->addWidget(chkRemind);
    col->addLayout(labelled("Show password when", cboViewPassword, page));
    txtClipboardSeconds = delayBox(kClipboardSecondsHighest, "seconds", page);
    col->addLayout(labelled("Clear copied IDs and passwords after", txtClipboardSeconds, page));
    txtLockTime = delayBox(kLockMinutesHighest, "minutes", page);
    col->addLayout(labelled("Lock when idle for", txtLockTime, page));
    col->addStretch(1);
    return page;
}

QWidget* TfrmOptions::soundsPage()
{
    auto* page = new QWidget;
    QVBoxLayout* col = column(page);
    chkButtonSound = box("Play sounds when mouse moves over buttons", page);
    chkAccess = box("Play sounds when database access is denied or granted", page);
    col->addWidget(chkButtonSound);
    col->addWidget(chkAccess);
    col->addStretch(1);
    return page;
}

QWidget* TfrmOptions::advancedPage()
{
    auto* page = new QWidget;
    QVBoxLayout* col = column(page);
    cboDBMaintenance = new QComboBox(page);
    cboDBMaintenance->setEditable(true);
    cboDBMaintenance->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 10; n <= 200; n += 10)
        cboDBMaintenance->addItem(QString::number(n));
    // Whole numbers from 1 to 9999 only, so the integer column never gets text.
    QLineEdit* edit = cboDBMaintenance->lineEdit();
    edit->setMaxLength(kIntervalMaxLength);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[1-9][0-9]{0,3}")), edit));
    FieldBinding::bind(cboDBMaintenance, options_, "dbmaintfreq");
    col->addLayout(labelled("Database Maintenance interval", cboDBMaintenance, page));
    col->addStretch(1);
    return page;
}

} // namespace lw
