#pragma once

#include <QDialog>

class QPushButton;

namespace lw {

class NameEdit;
class TDM;
struct AppServices;

// Asks for the description of a new account in the current group (adding),
// or a new description for the current account. A new account becomes the
// current one.
class TfrmEditDescription : public QDialog {
    Q_OBJECT
public:
    TfrmEditDescription(QWidget* owner, TDM& dm, AppServices& services, bool adding);

    NameEdit* txtDescription = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void FormCreate();
    void cmdOKClick();
    void addAccount(const QString& description);
    void renameAccount(const QString& description);

    TDM& dm_;
    AppServices& s_;
    const bool adding_;
};

} // namespace lw
