#include "TfrmGenerate.h"

#include "records/PasswordStrength.h"
#include "records/TDM.h"
#include "settings/Error.h"
#include "settings/IniFile.h"
#include "store/Messages.h"
#include "ui/AppServices.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/SecretClipboard.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

namespace lw {
namespace {

const QString kSection = QStringLiteral("Generator");
const QString kWordList = QStringLiteral(":/words/TXTWORDS.txt");

// Blanks and control characters at either end do not count.
bool isBlank(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= ' '; });
}

QStringList readWordList()
{
    QFile file(kWordList);
    if (!file.open(QIODevice::ReadOnly))
        throw Error("The word list of the password generator could not be read.");
    return PasswordGenerator::splitWords(QString::fromLatin1(file.readAll()));
}

} // namespace

TfrmGenerate::TfrmGenerate(QWidget* owner, TDM& dm, AppServices& services, DrawBelow draw)
    : QDialog(owner), dm_(dm), s_(services), generator_(std::move(draw))
{
    buildControls();
    const auto command = [this](void (TfrmGenerate::*handler)()) {
        return [this, handler] { RunCommand(this, [this, handler] { (this->*handler)(); }); };
    };
    connect(cmdCreateEasy, &QPushButton::clicked, this, command(&TfrmGenerate::cmdCreateEasyClick));
    connect(cmdHard, &QPushButton::clicked, this, command(&TfrmGenerate::cmdHardClick));
    connect(cmdCopy, &QToolButton::clicked, this, command(&TfrmGenerate::cmdCopyClick));
    connect(cmdOK, &QPushButton::clicked, this, command(&TfrmGenerate::cmdOKClick));
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmGenerate::showStrength);
    FormCreate();
}

void TfrmGenerate::FormCreate()
{
    Dataset& account = dm_.qryPasswords;
    if (account.isOpen() && !account.isEmpty() && !account.isNull("Password")) {
        loadedPassword_ = account.value("Password").toString();
        txtPassword->setText(loadedPassword_);
    }
    readGeneratorSettings();
    showStrength();
    adjustSize();
    CenterOver(parentWidget(), this);
    cmdHard->setFocus();
}

void TfrmGenerate::readGeneratorSettings()
{
    const IniFile& ini = s_.settings;
    // A stored number out of its range leaves the control as it is.
    const int type = ini.readInt(kSection, "Easy", 0);
    if (type >= 0 && type < RGType->count())
        RGType->setItemIndex(type);
    const int length = ini.readInt(kSection, "Length", kLengthDefault);
    if (length >= kLengthLowest && length <= kLengthHighest)
        UpDownLength->setPosition(length);
    const int letterCase = ini.readInt(kSection, "Case", 0);
    if (letterCase >= 0 && letterCase < RGCase->count())
        RGCase->setItemIndex(letterCase);
    chkLetter->setChecked(ini.readBool(kSection, "Letter", true));
    chkNumber->setChecked(ini.readBool(kSection, "Number", true));
    chkSpecial->setChecked(ini.readBool(kSection, "Special", false));
}

void TfrmGenerate::SaveGeneratorSettings()
{
    IniFile& ini = s_.settings;
    bool ok = false;
    const int length = txtLength->text().toInt(&ok);
    ini.writeInt(kSection, "Easy", RGType->itemIndex());
    ini.writeInt(kSection, "Length", ok ? length : UpDownLength->position());
    ini.writeInt(kSection, "Case", RGCase->itemIndex());
    ini.writeBool(kSection, "Letter", chkLetter->isChecked());
    ini.writeBool(kSection, "Number", chkNumber->isChecked());
    ini.writeBool(kSection, "Special", chkSpecial->isChecked());
}

void TfrmGenerate::cmdCreateEasyClick()
{
    if (words_.isEmpty())
        words_ = readWordList();
    showPassword(generator_.easy(words_, EasyType(RGType->itemIndex())));
}

void TfrmGenerate::cmdHardClick()
{
    const CharacterClasses classes{chkLetter->isChecked(), chkNumber->isChecked(), chkSpecial->isChecked()};
    if (!classes.any()) {
        s_.messages.ShowInfo("Please specify any combination of letters, numbers or special characters");
        return;
    }
    showPassword(generator_.hard(classes, LetterCase(RGCase->itemIndex()), lengthValue()));
}

int TfrmGenerate::lengthValue() const
{
    bool ok = false;
    const int length = txtLength->text().toInt(&ok);
    if (!ok)
        throw Error(QStringLiteral("'%1' is not a valid integer value").arg(txtLength->text()));
    return length;
}

void TfrmGenerate::cmdCopyClick()
{
    txtPassword->selectAll();
    s_.clipboard.copySecret(txtPassword->text());
}

void TfrmGenerate::cmdOKClick()
{
    const QString text = txtPassword->text();
    Messages& messages = s_.messages;
    if (isBlank(text)) {
        messages.ShowPlain("No Password has been generated. Please generate a password or press Cancel");
        return;
    }
    if (text != loadedPassword_) {
        Dataset& account = dm_.qryPasswords;
        const QVariant present = account.value("Password");
        if (!present.isNull() && dm_.qryOptions.value("promptpassword").toBool() &&
            !messages.Confirm("Are you sure you want to replace the current password: \"" + present.toString() +
                              "\" ?"))
            return;
        // Left being edited: it is stored, or undone, like any edit of the account.
        account.edit();
        account.setValue("Password", text);
    }
    SaveGeneratorSettings();
    accept();
}

void TfrmGenerate::showPassword(const GeneratedPassword& password)
{
    generated_ = password;
    txtPassword->setText(password.text);
    showStrength();
}

void TfrmGenerate::showStrength()
{
    const QString text = txtPassword->text();
    // A password made here has exact bits; anything typed over it is estimated.
    if (!text.isEmpty() && text == generated_.text)
        lblStrength->setText(ExactStrengthText(generated_.bits));
    else
        lblStrength->setText(TypedStrengthText(text));
}

} // namespace lw
