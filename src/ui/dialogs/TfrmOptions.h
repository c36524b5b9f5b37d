#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace lw {

class Dataset;
class IniFile;

// The program's preferences on four pages. The database's own preferences
// live in its options row, the others in the settings file. The dialog
// changes neither window: it tells its owner through the signals below what
// to apply, in the order the owner must apply it.
class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    TfrmOptions(QWidget* owner, Dataset& options, IniFile& settings);

    QTabWidget* pages = nullptr;
    // General
    QComboBox* cboStyle = nullptr;
    QCheckBox* chkPrompt = nullptr;
    QCheckBox* chkMaximize = nullptr;
    QCheckBox* chkAutoCase = nullptr;
    QCheckBox* chkScreenPos = nullptr;
    QCheckBox* chkWarn = nullptr;
    // Security
    QCheckBox* cboRestorePermission = nullptr;
    QCheckBox* chkRemind = nullptr;
    QComboBox* cboViewPassword = nullptr;
    QSpinBox* txtClipboardSeconds = nullptr;
    QSpinBox* txtLockTime = nullptr;
    // Sounds
    QCheckBox* chkButtonSound = nullptr;
    QCheckBox* chkAccess = nullptr;
    // Advanced
    QComboBox* cboDBMaintenance = nullptr;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

signals:
    // A style was picked: show its fill now ("None" hides it).
    void backgroundPreviewed(const QString& style);
    // OK, while the options row is being edited with the new display mode.
    void passwordModeChanged();
    // OK, after the row is stored: mask the password edit or show it in clear.
    void passwordMaskChosen(bool masked);
    // OK, after the settings file is written.
    void flagsChosen(bool warnBeforeSave, bool buttonSounds, bool accessSounds);
    // OK, last: show the fill of the stored style.
    void backgroundStyleChosen();
    // OK, after the settings file is written: minutes without input before
    // the window locks itself (0 = never).
    void lockTimeChosen(int minutes);

private:
    void buildPages();
    QWidget* generalPage();
    QWidget* securityPage();
    QWidget* soundsPage();
    QWidget* advancedPage();
    void FormCreate();
    void cboStyleChange();
    void cmdOKClick();

    Dataset& options_;
    IniFile& settings_;
};

} // namespace lw
