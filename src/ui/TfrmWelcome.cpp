#include "ui/TfrmWelcome.h"

#include "ui/DialogPlacement.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace lw {

namespace {

const char* const kInfoText = "Lockwell Supports multiple databases!\n\n"
                              "If this is your first time running the program, a database needs to be specified.\n\n"
                              "Would you like to create a password database now?";

QPixmap welcomePicture()
{
    const QString picture = QStringLiteral(":/pictures/LOCKWELL.png");
    if (QFile::exists(picture))
        return QPixmap(picture).scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QApplication::windowIcon().pixmap(32, 32);
}

void paintBackground(QWidget* w, const QColor& color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

TfrmWelcome::TfrmWelcome(QWidget* owner, std::function<void()> onYes)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), onYes_(std::move(onYes))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Welcome"));

    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    paintBackground(Panel1, Qt::white);
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(32, 32);
    Image1->setPixmap(welcomePicture());
    Label1 = new QLabel(tr("Welcome to Lockwell!"));
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big = font();
    big.setBold(true);
    if (big.pointSizeF() > 0)
        big.setPointSizeF(big.pointSizeF() + 1);
    else
        big.setPixelSize(big.pixelSize() + 1);
    Label1->setFont(big);
    Label1->setStyleSheet(QStringLiteral("color: navy;"));
    auto* band = new QHBoxLayout(Panel1);
    band->setContentsMargins(8, 6, 8, 6);
    band->addWidget(Image1);
    band->addSpacing(8);
    band->addWidget(Label1, 1);

    lblInfo = new QLabel(tr("Here is some welcome text!"));
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setAlignment(Qt::AlignCenter);
    lblInfo->setWordWrap(true);
    lblInfo->setFixedWidth(320);
    lblInfo->setMargin(8);
    QFont bold = font();
    bold.setBold(true);
    lblInfo->setFont(bold);
    paintBackground(lblInfo, Qt::white);

    Bevel1 = new QFrame;
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::Panel);
    Bevel1->setFrameShadow(QFrame::Sunken);
    auto* framed = new QVBoxLayout(Bevel1);
    framed->setContentsMargins(2, 2, 2, 2);
    framed->setSpacing(2);
    framed->addWidget(Panel1);
    framed->addWidget(lblInfo);

    cmdYes = new QPushButton(style()->standardIcon(QStyle::SP_DialogYesButton), tr("&Yes"));
    cmdYes->setObjectName(QStringLiteral("cmdYes"));
    cmdYes->setDefault(true);
    cmdNo = new QPushButton(style()->standardIcon(QStyle::SP_DialogNoButton), tr("&No"));
    cmdNo->setObjectName(QStringLiteral("cmdNo"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdYes);
    buttons->addWidget(cmdNo);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Bevel1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdYes, &QPushButton::clicked, this, &TfrmWelcome::cmdYesClick);
    connect(cmdNo, &QPushButton::clicked, this, &TfrmWelcome::cmdNoClick);
    FormCreate();
}

void TfrmWelcome::Execute(QWidget* owner, std::function<void()> onYes)
{
    (new TfrmWelcome(owner, std::move(onYes)))->exec();
}

void TfrmWelcome::FormCreate()
{
    lblInfo->setText(QString::fromLatin1(kInfoText));
    adjustSize();
    CenterOver(parentWidget(), this);
    cmdYes->setFocus();
}

void TfrmWelcome::cmdYesClick()
{
    hide();
    close();
    // The dialog is gone from the screen while the new database is made;
    // it is freed once this handler has returned.
    if (onYes_)
        onYes_();
}

// Escape comes here too: QDialog turns it into a close.
void TfrmWelcome::cmdNoClick()
{
    close();
}

} // namespace lw
