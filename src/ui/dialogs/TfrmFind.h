#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QLabel;
class QTableView;

namespace lw {

class TDM;
struct AppServices;

// Searches every account of the open database for a text, in one chosen
// column or in six at once, and takes the main window to the account chosen
// from the results.
class TfrmFind : public QDialog {
    Q_OBJECT
public:
    TfrmFind(QWidget* owner, TDM& dm, AppServices& services);

    // Whether the search box takes a typed character.
    static bool AcceptsTyped(QChar c);

    QLineEdit* txtFind = nullptr;
    QComboBox* cboWhere = nullptr;
    QPushButton* cmdFind = nullptr;
    QTableView* DBGridFind = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* SB = nullptr;

    void done(int result) override;

private:
    void FormCreate();
    void cmdFindClick();
    void cmdOKClick();
    void ShowFindCount();
    bool txtFindKeyPress(QEvent* event);
    bool DBGridFindKeyPress(QEvent* event);

    TDM& dm_;
    AppServices& s_;
};

} // namespace lw
