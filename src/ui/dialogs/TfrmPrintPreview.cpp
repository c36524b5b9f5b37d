#include "TfrmPrintPreview.h"

#include "PasswordFields.h"
#include "PreviewPictures.h"
#include "ReportPdf.h"
#include "report/ReportPainter.h"
#include "store/BusyCursor.h"
#include "ui/ErrorBox.h"
#include "ui/FileChooser.h"
#include "ui/bindings/EventHook.h"
#include "ui/bindings/KeyPreview.h"
#include "ui/widgets/Hint.h"

#include <algorithm>

#include <QDir>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace lw {
namespace {

// Pixels of the viewer's background shown above a page brought into view.
constexpr int kPageTopGap = 10;

// The whole number at the start of a box's text, or `otherwise` when there is none.
int numberIn(const QLineEdit* box, int otherwise)
{
    const QString text = box->text().trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && text.at(digits).isDigit())
        ++digits;
    bool ok = false;
    const int n = text.left(digits).toInt(&ok);
    return ok ? n : otherwise;
}

bool isEnter(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// A box that runs `enter` on Enter and keeps the key to itself.
void onEnter(QLineEdit* box, std::function<void()> enter)
{
    EventHook::install(box, [enter = std::move(enter)](QEvent* e) {
        if (e->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent*>(e)))
            return false;
        enter();
        return true;
    });
}

} // namespace

TfrmPrintPreview::TfrmPrintPreview(QWidget* parent, const PageSetup& paper, PageMaker makePages, FileChooser& files)
    : QDialog(parent), paper_(paper), makePages_(std::move(makePages)), files_(files),
      screenPrinter_(QPrinter::HighResolution)
{
    setObjectName("frmPrintPreview");
    setWindowTitle("Print Preview");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    screenPrinter_.setPageLayout(ReportPageLayout(paper_));
    screenPrinter_.setFullPage(true);
    buildControls();

    const auto command = [this](void (TfrmPrintPreview::*handler)()) {
        return [this, handler] { RunCommand(this, [this, handler] { (this->*handler)(); }); };
    };
    connect(cmdzoom100, &QToolButton::clicked, this, command(&TfrmPrintPreview::cmdzoom100Click));
    connect(cmdzoomtofit, &QToolButton::clicked, this, command(&TfrmPrintPreview::cmdzoomtofitClick));
    connect(cmdzoomtowidth, &QToolButton::clicked, this, command(&TfrmPrintPreview::cmdzoomtowidthClick));
    connect(cmdFirst, &QToolButton::clicked, this, [this] { GoToPage(1); });
    connect(cmdPrev, &QToolButton::clicked, this, [this] { GoToPage(CurrentPage() - 1); });
    connect(cmdNext, &QToolButton::clicked, this, [this] { GoToPage(CurrentPage() + 1); });
    connect(cmdLast, &QToolButton::clicked, this, [this] { GoToPage(PageCount()); });
    connect(cmdPrint, &QToolButton::clicked, this, command(&TfrmPrintPreview::cmdPrintClick));
    connect(cmdSavePdf, &QToolButton::clicked, this, command(&TfrmPrintPreview::cmdSavePdfClick));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    onEnter(mskPreviewPercentage, command(&TfrmPrintPreview::mskPreviewPercentageEnter));
    onEnter(mskPreviewPage, command(&TfrmPrintPreview::mskPreviewPageEnter));
    connect(ppViewer1, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { RunCommand(this, [this, printer] { ppViewer1PaintRequested(printer); }); });
    connect(ppViewer1, &QPrintPreviewWidget::previewChanged, this, &TfrmPrintPreview::ppViewer1PageChange);
    KeyPreview::install(this, [this](QKeyEvent* e) { return FormKeyDown(e); });
    // A new size of the viewer (the window maximised, for one) zooms the page
    // about its centre; afterwards the view goes back to the page's top.
    if (QGraphicsView* view = ppViewer1->findChild<QGraphicsView*>()) {
        EventHook::install(view, [this](QEvent* e) {
            if (e->type() == QEvent::Resize)
                QMetaObject::invokeMethod(this, &TfrmPrintPreview::showPageTop, Qt::QueuedConnection);
            return false;
        });
    }

    ppViewer1->setZoomMode(QPrintPreviewWidget::FitToWidth);
    setWindowState(Qt::WindowMaximized);
}

void TfrmPrintPreview::buildControls()
{
    const auto button = [this](PreviewPicture picture, const QString& hint) {
        auto* b = new QToolButton(this);
        b->setIcon(PreviewIcon(picture));
        b->setIconSize({20, 20});
        b->setAutoRaise(true);
        SetHint(b, hint);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    const auto box = [this](const QString& mask, const QString& widest) {
        auto* b = new QLineEdit(this);
        b->setInputMask(mask);
        b->setFocusPolicy(Qt::ClickFocus);
        b->setAlignment(Qt::AlignRight);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(widest) + 14);
        return b;
    };
    cmdzoom100 = button(PreviewPicture::Zoom100, "Zoom 100%");
    cmdzoomtofit = button(PreviewPicture::ZoomToFit, "Zoom to Fit");
    cmdzoomtowidth = button(PreviewPicture::ZoomToWidth, "Zoom to Width");
    mskPreviewPercentage = box("000 %; ", "000 %");
    cmdFirst = button(PreviewPicture::First, "First");
    cmdPrev = button(PreviewPicture::Previous, "Previous");
    mskPreviewPage = box("00000; ", "00000");
    cmdNext = button(PreviewPicture::Next, "Next");
    cmdLast = button(PreviewPicture::Last, "Last");
    cmdPrint = button(PreviewPicture::Print, "Print");
    cmdSavePdf = button(PreviewPicture::SavePdf, "Save as PDF");
    cmdClose = MakeBoldButton("&Close", this);
    cmdClose->setToolTip("Close");
    cmdClose->setAutoDefault(false);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    bar->setSpacing(2);
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdzoom100, cmdzoomtofit, cmdzoomtowidth, mskPreviewPercentage, cmdFirst,
                                         cmdPrev, mskPreviewPage, cmdNext, cmdLast, cmdPrint, cmdSavePdf})
        bar->addWidget(w);
    bar->addStretch(1);
    bar->addWidget(cmdClose);

    ppViewer1 = new QPrintPreviewWidget(&screenPrinter_, this);
    pnlStatus = new QLabel(this);
    pnlStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    pnlStatus->setFrameShape(QFrame::Panel);
    pnlStatus->setFrameShadow(QFrame::Sunken);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    col->addLayout(bar);
    col->addWidget(ppViewer1, 1);
    col->addWidget(pnlStatus);
}

void TfrmPrintPreview::ProducePages()
{
    const BusyCursor busy;
    ppViewer1->updatePreview();
}

void TfrmPrintPreview::ppViewer1PaintRequested(QPrinter* printer)
{
    pages_ = makePages_();
    PaintReport(pages_, *printer);
}

int TfrmPrintPreview::CurrentPage() const
{
    return ppViewer1->currentPage();
}

int TfrmPrintPreview::PageCount() const
{
    return ppViewer1->pageCount();
}

int TfrmPrintPreview::ZoomInEffect() const
{
    return qRound(ppViewer1->zoomFactor() * 100);
}

void TfrmPrintPreview::showZoom()
{
    mskPreviewPercentage->setText(QString::number(ZoomInEffect()));
}

void TfrmPrintPreview::cmdzoom100Click()
{
    ppViewer1->setZoomMode(QPrintPreviewWidget::CustomZoom);
    ppViewer1->setZoomFactor(1.0);
    showZoom();
}

void TfrmPrintPreview::cmdzoomtofitClick()
{
    ppViewer1->setZoomMode(QPrintPreviewWidget::FitInView);
    showZoom();
}

void TfrmPrintPreview::cmdzoomtowidthClick()
{
    ppViewer1->setZoomMode(QPrintPreviewWidget::FitToWidth);
    showZoom();
}

void TfrmPrintPreview::mskPreviewPercentageEnter()
{
    const int percentage = std::clamp(numberIn(mskPreviewPercentage, 100), 1, kMaxZoomPercentage);
    ppViewer1->setZoomMode(QPrintPreviewWidget::CustomZoom);
    ppViewer1->setZoomFactor(percentage / 100.0);
    showZoom();
}

void TfrmPrintPreview::mskPreviewPageEnter()
{
    GoToPage(numberIn(mskPreviewPage, 1));
}

void TfrmPrintPreview::GoToPage(int page)
{
    ppViewer1->setCurrentPage(std::clamp(page, 1, std::max(1, PageCount())));
    ppViewer1PageChange();
}

void TfrmPrintPreview::showPageTop()
{
    QGraphicsView* view = ppViewer1->findChild<QGraphicsView*>();
    if (!view || !view->scene() || ppViewer1->zoomMode() == QPrintPreviewWidget::FitInView)
        return;
    QList<QGraphicsItem*> pages = view->scene()->items();
    std::sort(pages.begin(), pages.end(), [](const QGraphicsItem* a, const QGraphicsItem* b) {
        return a->sceneBoundingRect().top() < b->sceneBoundingRect().top();
    });
    const int index = CurrentPage() - 1;
    if (index < 0 || index >= pages.size())
        return;
    const int top = view->mapFromScene(pages.at(index)->sceneBoundingRect().topLeft()).y();
    QScrollBar* bar = view->verticalScrollBar();
    bar->setValue(bar->value() + top - kPageTopGap);
}

void TfrmPrintPreview::ppViewer1PageChange()
{
    if (PageCount() == 0)
        return;
    mskPreviewPage->setText(QString::number(CurrentPage()));
    showZoom();
    pnlStatus->setText(QStringLiteral(" Page %1 of %2").arg(CurrentPage()).arg(PageCount()));
}

void TfrmPrintPreview::cmdPrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportPageLayout(paper_));
    printer.setFullPage(true);
    printer.setDocName(pages_.documentName);
    printer.setCreator(QStringLiteral("Lockwell"));
    QPrintDialog dialog(&printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCurrentPage |
                      QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies);
    dialog.setMinMax(1, std::max(1, PageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printer.printRange() == QPrinter::AllPages || printer.printRange() == QPrinter::Selection)
        printer.setPageRanges({});
    else if (printer.printRange() == QPrinter::CurrentPage)
        printer.setFromTo(CurrentPage(), CurrentPage());
    // The printed copy is made afresh, with the date of printing.
    const BusyCursor busy;
    const ReportLayout pages = makePages_();
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        CreateOwnerOnlyFile(printer.outputFileName()); // printed to a file: passwords in clear
    PaintReport(pages, printer, printer.supportsMultipleCopies() ? 1 : printer.copyCount());
}

void TfrmPrintPreview::cmdSavePdfClick()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        files_.saveFile(this, "Save as PDF", QDir(documents).filePath("Passwords.pdf"), "PDF files (*.pdf)");
    if (path.isEmpty())
        return;
    const BusyCursor busy;
    SaveReportPdf(makePages_(), path);
}

bool TfrmPrintPreview::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return true; // the preview stays open
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_PageUp:
        GoToPage(CurrentPage() - 1);
        return true;
    case Qt::Key_PageDown:
        GoToPage(CurrentPage() + 1);
        return true;
    case Qt::Key_Home:
        GoToPage(1);
        return true;
    case Qt::Key_End:
        GoToPage(PageCount());
        return true;
    default:
        return false;
    }
}

void TfrmPrintPreview::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return; // not a way to close the preview
    QDialog::keyPressEvent(event);
}

} // namespace lw
