#include "TfrmLog.h"

#include "PasswordFields.h"
#include "store/AccessLog.h"
#include "store/Messages.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/bindings/EventHook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

namespace lw {
namespace {

const QColor kSuccess(0, 128, 0);
const QColor kFailed(255, 0, 0);

// Colours every occurrence of the word, in any letter case, inside other words too.
void colourWord(QTextEdit* view, const QString& word, const QColor& colour)
{
    QTextDocument* doc = view->document();
    QTextCharFormat format;
    format.setForeground(colour);
    for (QTextCursor found = doc->find(word); !found.isNull(); found = doc->find(word, found))
        found.mergeCharFormat(format);
}

} // namespace

TfrmLog::TfrmLog(QWidget* owner, AccessLog& log, Messages& messages) : QDialog(owner), log_(log), messages_(messages)
{
    setObjectName("frmLog");
    setWindowTitle("Log");
    buildControls();
    CloseOnEscape(this);
    connect(Button1, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { Button1Click(); }); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    EventHook::install(pnlToolbar, [this](QEvent* e) {
        if (e->type() != QEvent::MouseButtonRelease)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::LeftButton && pnlToolbar->rect().contains(mouse->position().toPoint()))
            RunCommand(this, [this] { pnlToolbarClick(); });
        return true;
    });
    FormCreate();
}

void TfrmLog::buildControls()
{
    pnlToolbar = new QWidget(this);
    pnlToolbar->setAutoFillBackground(true);
    Button1 = new QPushButton("Clear Log", pnlToolbar);
    Button1->setAutoDefault(false);
    cmdClose = new QPushButton("C&lose", pnlToolbar);
    cmdClose->setFlat(true);
    cmdClose->setAutoDefault(false);
    auto* bar = new QHBoxLayout(pnlToolbar);
    bar->setContentsMargins(4, 4, 4, 4);
    bar->addStretch(1);
    bar->addWidget(Button1);
    bar->addWidget(cmdClose);

    MemoLog = new QTextEdit(this);
    MemoLog->setReadOnly(true);
    MemoLog->setAcceptRichText(false);
    MemoLog->setLineWrapMode(QTextEdit::NoWrap);
    MemoLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoLog->setFocusPolicy(Qt::ClickFocus);
    QFont courier("Courier New");
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    courier.setPixelSize(12);
    MemoLog->setFont(courier);
    QPalette yellow = MemoLog->palette();
    yellow.setColor(QPalette::Base, yellow.color(QPalette::ToolTipBase));
    yellow.setColor(QPalette::Text, yellow.color(QPalette::ToolTipText));
    MemoLog->setPalette(yellow);

    SB = new QLabel(this);
    SB->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SB->setContentsMargins(2, 1, 2, 1);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    col->addWidget(pnlToolbar);
    col->addWidget(MemoLog, 1);
    col->addWidget(SB);
    resize(560, 380);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(size());
}

void TfrmLog::FormCreate()
{
    CenterOver(parentWidget(), this);
    if (!log_.exists()) {
        MemoLog->setPlainText("Could not find Log file");
        return;
    }
    loadLog();
    ColorLogResults();
    scrollToEnd_ = true; // once the view has its size
    ShowLogCount();
}

// Opens with the newest lines in view.
void TfrmLog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!scrollToEnd_)
        return;
    scrollToEnd_ = false;
    QScrollBar* down = MemoLog->verticalScrollBar();
    down->setValue(down->maximum());
}

void TfrmLog::loadLog()
{
    const QString text = log_.ReadLog(); // throws before the view changes
    MemoLog->setPlainText(text);
}

void TfrmLog::ShowLogCount()
{
    QStringList lines = MemoLog->toPlainText().split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    const qsizetype n = lines.size();
    if (n < 1)
        SB->setText(" No entries");
    else if (n == 1)
        SB->setText(" 1 log entry");
    else
        SB->setText(QString(" %1 log entries").arg(n));
}

void TfrmLog::ColorLogResults()
{
    colourWord(MemoLog, "success", kSuccess);
    colourWord(MemoLog, "failed", kFailed);
    MemoLog->setTextCursor(QTextCursor(MemoLog->document()));
}

void TfrmLog::Button1Click()
{
    if (!messages_.AskOkCancel("Clear the Log?"))
        return;
    log_.ClearLog();
    loadLog();
    ShowLogCount();
}

void TfrmLog::pnlToolbarClick()
{
    log_.TrimAccessLog(3);
    loadLog();
    ShowLogCount();
    ColorLogResults();
}

} // namespace lw
