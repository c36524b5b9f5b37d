#pragma once

#include "report/ReportLayout.h"

#include <QDialog>
#include <QPrinter>
#include <functional>

class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QPushButton;
class QToolButton;

namespace lw {

class FileChooser;

// Shows the pages of a report and prints them or saves them as a PDF. It does
// not know which report it shows: it is given the paper and a function that
// makes the pages, which it calls each time pages are made (on screen, for
// the printer, for the PDF), so that the report's before-print step runs
// every time.
class TfrmPrintPreview : public QDialog {
    Q_OBJECT
public:
    using PageMaker = std::function<ReportLayout()>;

    TfrmPrintPreview(QWidget* parent, const PageSetup& paper, PageMaker makePages, FileChooser& files);

    // The highest zoom the percentage box gives.
    static constexpr int kMaxZoomPercentage = 250;

    QToolButton* cmdzoom100 = nullptr;
    QToolButton* cmdzoomtofit = nullptr;
    QToolButton* cmdzoomtowidth = nullptr;
    QLineEdit* mskPreviewPercentage = nullptr;
    QToolButton* cmdFirst = nullptr;
    QToolButton* cmdPrev = nullptr;
    QLineEdit* mskPreviewPage = nullptr;
    QToolButton* cmdNext = nullptr;
    QToolButton* cmdLast = nullptr;
    QToolButton* cmdPrint = nullptr;
    QToolButton* cmdSavePdf = nullptr;
    QPushButton* cmdClose = nullptr;
    QPrintPreviewWidget* ppViewer1 = nullptr;
    QLabel* pnlStatus = nullptr;

    // Makes the pages for the screen (the window's first pages are made
    // before it is shown).
    void ProducePages();
    // The pages on screen.
    const ReportLayout& Pages() const { return pages_; }
    int CurrentPage() const;
    int PageCount() const;
    // The zoom in effect, as a whole percentage.
    int ZoomInEffect() const;

    void cmdzoom100Click();
    void cmdzoomtofitClick();
    void cmdzoomtowidthClick();
    void mskPreviewPercentageEnter();
    void mskPreviewPageEnter();
    void GoToPage(int page);
    void cmdPrintClick();
    void cmdSavePdfClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    bool FormKeyDown(QKeyEvent* event);
    void ppViewer1PaintRequested(QPrinter* printer);
    void ppViewer1PageChange();
    void showPageTop();
    void showZoom();

    PageSetup paper_;
    PageMaker makePages_;
    FileChooser& files_;
    QPrinter screenPrinter_; // the pages as the viewer draws them
    ReportLayout pages_;
};

} // namespace lw
