#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lw {

class GradientCaption;
class AliasStore;
class DatabaseSession;
class Messages;

// Sets the master password of a new database, creates the file at the path it
// is given, makes it the configured database and opens it.
class TfrmNewMasterPassword : public QDialog {
    Q_OBJECT
public:
    TfrmNewMasterPassword(QWidget* owner, DatabaseSession& session, AliasStore& alias, Messages& messages,
                          QString newDatabasePath);

    QLabel* lblText = nullptr;
    QLineEdit* txtPassword = nullptr;
    QLineEdit* txtVerify = nullptr;
    QLabel* lblStrength = nullptr; // follows txtPassword
    QCheckBox* chkSample = nullptr;
    QPushButton* cmdCreateDB = nullptr;
    QPushButton* cmdCancel = nullptr;

signals:
    // The new file exists and is the configured database; opening it follows.
    void databaseCreated();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void cmdCreateDBClick();

    DatabaseSession& session_;
    AliasStore& alias_;
    Messages& messages_;
    const QString newDatabasePath_;
    GradientCaption* caption_ = nullptr;
};

} // namespace lw
