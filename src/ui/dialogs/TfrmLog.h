#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;
class QWidget;

namespace lw {

class AccessLog;
class Messages;

// Shows the access log read-only with its outcomes coloured, counts its
// lines, and empties it on request. A click on the toolbar's bare surface
// drops the three oldest lines.
class TfrmLog : public QDialog {
    Q_OBJECT
public:
    TfrmLog(QWidget* owner, AccessLog& log, Messages& messages);

    QWidget* pnlToolbar = nullptr;
    QPushButton* Button1 = nullptr; // "Clear Log"
    QPushButton* cmdClose = nullptr;
    QTextEdit* MemoLog = nullptr;
    QLabel* SB = nullptr; // the status bar's one panel

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void Button1Click();
    void pnlToolbarClick();
    // Reads the log into the view; on failure the view keeps what it showed.
    void loadLog();
    void ShowLogCount();
    void ColorLogResults();

    AccessLog& log_;
    Messages& messages_;
    bool scrollToEnd_ = false;
};

} // namespace lw
