#include "TfrmOptions.h"

#include "PasswordFields.h"
#include "records/Dataset.h"
#include "settings/IniFile.h"
#include "settings/SecuritySettings.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

namespace lw {

TfrmOptions::TfrmOptions(QWidget* owner, Dataset& options, IniFile& settings)
    : QDialog(owner), options_(options), settings_(settings)
{
    setObjectName("frmOptions");
    setWindowTitle("Options");
    buildPages();
    CloseOnEscape(this);
    connect(cboStyle, &QComboBox::activated, this, [this] { RunCommand(this, [this] { cboStyleChange(); }); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { cmdOKClick(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void TfrmOptions::FormCreate()
{
    adjustSize();
    CenterOver(parentWidget(), this);

    const int mode = options_.value("showpassword").toInt();
    cboViewPassword->setCurrentIndex(mode >= 0 && mode < cboViewPassword->count() ? mode : -1);
    cboStyle->setCurrentIndex(cboStyle->findText(options_.value("style").toString(), Qt::MatchFixedString));

    const IniFile& ini = settings_;
    chkRemind->setChecked(!ini.readBool("ExpireOptions", "remind", true));
    chkAutoCase->setChecked(ini.readBool("Options", "autocase", true));
    chkMaximize->setChecked(ini.readBool("Options", "maximized", false));
    chkButtonSound->setChecked(ini.readBool("SoundOptions", "buttons", true));
    chkAccess->setChecked(ini.readBool("SoundOptions", "access", true));
    chkScreenPos->setChecked(ini.readBool("Options", "screenpos", false));
    chkWarn->setChecked(ini.readBool("Options", "warn", false));
    txtClipboardSeconds->setValue(ReadClipboardSeconds(ini));
    txtLockTime->setValue(ReadLockMinutes(ini));
}

// Shows the picked fill at once; the row keeps the choice until it is next stored.
void TfrmOptions::cboStyleChange()
{
    const QString style = cboStyle->currentText();
    emit backgroundPreviewed(style);
    options_.edit();
    options_.setValue("style", style);
}

void TfrmOptions::cmdOKClick()
{
    options_.edit();
    const int mode = cboViewPassword->currentIndex();
    options_.setValue("showpassword", mode);
    emit passwordModeChanged();
    // The running countdown never exceeds the new interval.
    const QVariant interval = options_.value("dbmaintfreq");
    if (!interval.isNull() && interval.toLongLong() < options_.value("dbmaintcount").toLongLong())
        options_.setValue("dbmaintcount", interval);
    options_.post();
    emit passwordMaskChosen(mode != 0);

    settings_.writeBool("ExpireOptions", "remind", !chkRemind->isChecked());
    settings_.writeBool("Options", "autocase", chkAutoCase->isChecked());
    settings_.writeBool("Options", "maximized", chkMaximize->isChecked());
    settings_.writeBool("SoundOptions", "buttons", chkButtonSound->isChecked());
    settings_.writeBool("SoundOptions", "access", chkAccess->isChecked());
    settings_.writeBool("Options", "screenpos", chkScreenPos->isChecked());
    settings_.writeBool("Options", "warn", chkWarn->isChecked());
    WriteClipboardSeconds(settings_, txtClipboardSeconds->value());
    WriteLockMinutes(settings_, txtLockTime->value());

    emit flagsChosen(chkWarn->isChecked(), chkButtonSound->isChecked(), chkAccess->isChecked());
    emit backgroundStyleChosen();
    emit lockTimeChosen(txtLockTime->value());
    accept();
}

} // namespace lw
