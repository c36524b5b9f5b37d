// The password generator's controls and their layout, and the up-down arrows
// of its length box.
#include "TfrmGenerate.h"

#include "PasswordFields.h"
#include "ui/widgets/Hint.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace lw {
namespace {

QLabel* heading(const QString& text, const QString& color, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumHeight(24);
    l->setStyleSheet(
        QStringLiteral("QLabel { background: black; color: %1; font-weight: bold; padding: 2px; }").arg(color));
    return l;
}

// Two overlapping sheets: the picture of the copy button.
QIcon copyPicture()
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 1.2));
    p.setBrush(QColor(230, 236, 250));
    p.drawRoundedRect(QRectF(2.5, 2.5, 10, 12), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(7.5, 5.5, 10, 12), 1.5, 1.5);
    p.setPen(QPen(QColor(90, 100, 140), 1));
    for (int y = 9; y <= 14; y += 2)
        p.drawLine(QPointF(9.5, y + 0.5), QPointF(15.5, y + 0.5));
    p.end();
    return QIcon(pixmap);
}

} // namespace

UpDown::UpDown(QLineEdit* buddy, int lowest, int highest, int position, QWidget* parent)
    : QWidget(parent), buddy_(buddy), lowest_(lowest), highest_(highest), position_(position)
{
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    for (auto [arrow, button, step, name] :
         {std::tuple{Qt::UpArrow, &upArrow, 1, "Step up"}, {Qt::DownArrow, &downArrow, -1, "Step down"}}) {
        auto* b = new QToolButton(this);
        b->setArrowType(arrow);
        b->setAccessibleName(name);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(16, 11);
        connect(b, &QToolButton::clicked, this, [this, step = step] { stepBy(step); });
        col->addWidget(b);
        *button = b;
    }
    setPosition(position);
}

void UpDown::setPosition(int position)
{
    position_ = std::clamp(position, lowest_, highest_);
    buddy_->setText(QString::number(position_));
}

void UpDown::stepBy(int steps)
{
    bool ok = false;
    const int shown = buddy_->text().toInt(&ok);
    setPosition((ok ? std::clamp(shown, lowest_, highest_) : position_) + steps);
}

void TfrmGenerate::buildControls()
{
    setWindowTitle(" Password Generator");

    // Top strip: the password, its copy button and its strength.
    txtPassword = new QLineEdit(this);
    // Fixed-pitch, so that "l", "1" and "I" or "O" and "0" stay apart.
    QFont large = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    large.setPixelSize(16);
    txtPassword->setFont(large);
    txtPassword->setMinimumWidth(260);
    cmdCopy = new QToolButton(this);
    cmdCopy->setIcon(copyPicture());
    cmdCopy->setIconSize({20, 20});
    SetHint(cmdCopy, "Copy Password to ClipBoard");
    cmdCopy->setAutoRaise(true);
    lblStrength = MakeStrengthLabel(this);

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(6);
    top->setVerticalSpacing(2);
    top->addWidget(MakeBoldLabel("Password", this), 0, 0);
    top->addWidget(txtPassword, 1, 0);
    top->addWidget(cmdCopy, 1, 1);
    top->addWidget(lblStrength, 1, 2);
    top->setColumnStretch(0, 1);

    // Left half: words and a digit.
    pnlEasy = heading("Easier to Remember", "lime", this);
    cmdCreateEasy = new QPushButton("Create", this);
    RGType = new RadioGroup(" Type ", {"Word + digit", "Word + digit + Word", "Word Only"}, this);
    auto* easy = new QVBoxLayout;
    easy->addWidget(pnlEasy);
    easy->addWidget(cmdCreateEasy, 0, Qt::AlignHCenter);
    easy->addWidget(RGType);
    easy->addStretch(1);

    // Right half: random characters.
    pnlHard = heading("Harder to Remember", "yellow", this);
    cmdHard = new QPushButton("Create", this);
    GBInclude = new QGroupBox(" Make Available ", this);
    chkLetter = new QCheckBox("Letters  (A-Z, a-z)", GBInclude);
    chkNumber = new QCheckBox("Numbers  (0-9)", GBInclude);
    chkSpecial = new QCheckBox("Special Characters  (*~!#@%)", GBInclude);
    chkLetter->setChecked(true);
    chkNumber->setChecked(true);
    auto* include = new QVBoxLayout(GBInclude);
    include->setSpacing(2);
    include->setContentsMargins(8, 4, 8, 6);
    include->addWidget(chkLetter);
    include->addWidget(chkNumber);
    include->addWidget(chkSpecial);
    RGCase = new RadioGroup(" Case ", {"Lower", "Mixed", "Upper"}, this);
    txtLength = new QLineEdit(this);
    txtLength->setAlignment(Qt::AlignCenter);
    txtLength->setMaxLength(2);
    txtLength->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), txtLength));
    txtLength->setFixedWidth(txtLength->fontMetrics().horizontalAdvance("999") + 12);
    UpDownLength = new UpDown(txtLength, kLengthLowest, kLengthHighest, kLengthDefault, this);
    auto* length = new QHBoxLayout;
    length->setSpacing(2);
    length->addWidget(new QLabel("Length", this));
    length->addSpacing(4);
    length->addWidget(txtLength);
    length->addWidget(UpDownLength);
    length->addStretch(1);
    auto* caseAndLength = new QVBoxLayout;
    caseAndLength->addWidget(RGCase);
    caseAndLength->addLayout(length);
    caseAndLength->addStretch(1);
    auto* options = new QHBoxLayout;
    options->addWidget(GBInclude, 3);
    options->addLayout(caseAndLength, 2);
    auto* hard = new QVBoxLayout;
    hard->addWidget(pnlHard);
    hard->addWidget(cmdHard, 0, Qt::AlignHCenter);
    hard->addLayout(options);
    hard->addStretch(1);

    auto* halves = new QHBoxLayout;
    halves->setSpacing(12);
    halves->addLayout(easy, 2);
    halves->addLayout(hard, 3);

    // Bottom strip.
    cmdOK = MakeBoldButton("OK", this);
    cmdCancel = MakeBoldButton("Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    for (QPushButton* b : {cmdCreateEasy, cmdHard, cmdOK, cmdCancel})
        b->setMinimumWidth(80);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(10, 8, 10, 10);
    col->setSpacing(10);
    col->addLayout(top);
    col->addLayout(halves);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    col->addWidget(rule);
    col->addLayout(buttons);
    MakeFixedDialog(this);
}

} // namespace lw
