#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace lw {

struct AppServices;

// The automatic backup's settings: the folder, on or off, every how many
// uses of the program, and whether a backup is confirmed. Everything lives
// in the settings file's "Backup" section; the database is not touched.
class TfrmBackup : public QDialog {
    Q_OBJECT
public:
    TfrmBackup(QWidget* owner, AppServices& services);

    QLineEdit* DirEdit = nullptr;
    QToolButton* DirEditButton = nullptr; // the browse button
    QRadioButton* chkNoBackup = nullptr;
    QRadioButton* chkBackup = nullptr;
    QSpinBox* txtInterval = nullptr;
    QCheckBox* chkConfirm = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void buildControls();
    void FormCreate();
    void DirEditBrowse();
    void DirEditAfterDialog();
    void cmdOKClick();
    // The refusal of the folder, or "" when it may be used.
    QString refusal() const;

    AppServices& s_;
};

} // namespace lw
