#pragma once

#include "records/PasswordGenerator.h"
#include "ui/widgets/RadioGroup.h"

#include <QDialog>
#include <QGroupBox>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace lw {

class TDM;
struct AppServices;

// Up and down arrows that step the whole number of an edit box between a
// lowest and a highest value, without wrapping. They start from the number
// the box shows, or from their last position when it shows none; the arrow
// keys in the box are left alone.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int lowest, int highest, int position, QWidget* parent);

    int position() const { return position_; }
    void setPosition(int position); // also writes the box
    void stepBy(int steps);

    QToolButton* upArrow = nullptr;
    QToolButton* downArrow = nullptr;

private:
    QLineEdit* buddy_;
    int lowest_;
    int highest_;
    int position_;
};

// The password generator: easy passwords of words and a digit, hard ones of
// random printable characters. On OK the password becomes the current
// account's password, which is left being edited for the usual save rules.
// The choices are kept in section "Generator" of the settings file.
class TfrmGenerate : public QDialog {
    Q_OBJECT
public:
    TfrmGenerate(QWidget* owner, TDM& dm, AppServices& services, DrawBelow draw = SecureDrawBelow);

    // The length of a hard password.
    static constexpr int kLengthLowest = 1;
    static constexpr int kLengthHighest = 99;
    static constexpr int kLengthDefault = 6;

    QLineEdit* txtPassword = nullptr;
    QToolButton* cmdCopy = nullptr;
    QLabel* lblStrength = nullptr;
    QLabel* pnlEasy = nullptr;
    RadioGroup* RGType = nullptr;
    QPushButton* cmdCreateEasy = nullptr;
    QLabel* pnlHard = nullptr;
    QPushButton* cmdHard = nullptr;
    QGroupBox* GBInclude = nullptr;
    QCheckBox* chkLetter = nullptr;
    QCheckBox* chkNumber = nullptr;
    QCheckBox* chkSpecial = nullptr;
    RadioGroup* RGCase = nullptr;
    QLineEdit* txtLength = nullptr;
    UpDown* UpDownLength = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // The account's password when the dialog opened (empty when it had none).
    const QString& LoadedPassword() const { return loadedPassword_; }

    void cmdCreateEasyClick();
    void cmdHardClick();
    void cmdCopyClick();
    void cmdOKClick();

private:
    void buildControls();
    void FormCreate();
    void readGeneratorSettings();
    void SaveGeneratorSettings();
    void showPassword(const GeneratedPassword& password);
    void showStrength();
    int lengthValue() const;

    TDM& dm_;
    AppServices& s_;
    PasswordGenerator generator_;
    QStringList words_; // read on the first easy password
    QString loadedPassword_;
    GeneratedPassword generated_; // the last password made here
};

} // namespace lw
