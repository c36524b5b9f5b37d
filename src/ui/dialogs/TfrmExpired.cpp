#include "TfrmExpired.h"

#include "PasswordFields.h"
#include "records/TDM.h"
#include "settings/IniFile.h"
#include "ui/AppServices.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/bindings/CurrentRowSync.h"
#include "ui/bindings/DatasetModel.h"
#include "ui/bindings/EventHook.h"

#include <algorithm>

#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace lw {
namespace {

constexpr int kPanelHeight = 19;
constexpr int kVisiblePanels = 9;

// Paints each panel's labels in their colours, the current panel in the
// tooltip colour.
class ExpiredPanelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        static const QColor colours[] = {QColor(128, 0, 0), QColor(0, 0, 128), QColor(Qt::black)};
        const QColor text = colours[qBound(0, index.column(), 2)];
        option->palette.setColor(QPalette::Text, text);
        option->palette.setColor(QPalette::HighlightedText, text);
        option->palette.setColor(QPalette::Highlight, option->palette.color(QPalette::ToolTipBase));
        option->state &= ~QStyle::State_HasFocus;
    }
};

// The design width of the "Expired" section, widened when a whole date does
// not fit in it in the font at hand.
int expiredSectionWidth(const QTableView* view)
{
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const QFontMetrics metrics = view->fontMetrics();
    int widest = metrics.horizontalAdvance(QStringLiteral("00/00/0000"));
    const QAbstractItemModel* model = view->model();
    for (int r = 0; r < model->rowCount(); ++r)
        widest = std::max(widest, metrics.horizontalAdvance(model->index(r, 0).data().toString()));
    // A character's width of slack: on an X display the hinted glyphs are
    // drawn a little wider than they measure.
    return std::max(70, widest + margins + metrics.averageCharWidth());
}

} // namespace

TfrmExpired::TfrmExpired(QWidget* owner, TDM& dm, AppServices& services, bool asReminder)
    : QDialog(owner), dm_(dm), s_(services)
{
    setObjectName("frmExpired");
    setWindowTitle(" Expired Accounts");
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
    setAutoFillBackground(true);

    DBCtrlGridExpired = new QTableView(this);
    auto* model = new DatasetModel(dm_.qryExpired, QStringList{"ExpireDate", "Description", "Name"}, DBCtrlGridExpired);
    model->setTitles({"Expired", "Account", "Group"});
    DBCtrlGridExpired->setModel(model);
    DBCtrlGridExpired->setItemDelegate(new ExpiredPanelDelegate(DBCtrlGridExpired));
    DBCtrlGridExpired->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBCtrlGridExpired->setSelectionMode(QAbstractItemView::SingleSelection);
    DBCtrlGridExpired->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBCtrlGridExpired->setShowGrid(false);
    DBCtrlGridExpired->setTabKeyNavigation(false);
    DBCtrlGridExpired->verticalHeader()->hide();
    DBCtrlGridExpired->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBCtrlGridExpired->verticalHeader()->setDefaultSectionSize(kPanelHeight);
    QHeaderView* header = DBCtrlGridExpired->horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(65);
    const int expiredWidth = expiredSectionWidth(DBCtrlGridExpired);
    for (const auto& [column, width] : {std::pair{0, expiredWidth}, {1, 122}, {2, 168}})
        DBCtrlGridExpired->setColumnWidth(column, width);
    DBCtrlGridExpired->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * DBCtrlGridExpired->frameWidth();
    DBCtrlGridExpired->setFixedHeight(header->sizeHint().height() + kVisiblePanels * kPanelHeight + frame);
    DBCtrlGridExpired->setFixedWidth(expiredWidth + 122 + 168 + frame +
                                     style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    CurrentRowSync::bind(DBCtrlGridExpired, dm_.qryExpired,
                         [this](int r) { RunCommand(this, [this, r] { dm_.qryExpired.moveTo(r); }); });

    chkRemind = new QCheckBox("Don't remind me", this);
    chkRemind->setFocusPolicy(Qt::ClickFocus);
    chkRemind->setVisible(asReminder);
    cmdGO = MakeBoldButton("Go to Account", this);
    cmdGO->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    cmdClose = MakeBoldButton("Close", this);
    cmdGO->setAutoDefault(false);
    cmdClose->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 0, 6, 0);
    buttons->addWidget(chkRemind);
    buttons->addStretch(1);
    buttons->addWidget(cmdGO);
    buttons->addWidget(cmdClose);

    auto* bar = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    SB = new QLabel(bar);
    bar->addWidget(SB, 1);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 6, 0, 0);
    col->addWidget(DBCtrlGridExpired, 0, Qt::AlignHCenter);
    col->addLayout(buttons);
    col->addWidget(bar);
    MakeFixedDialog(this);

    const auto go = [this] { RunCommand(this, [this] { cmdGOClick(); }); };
    connect(cmdGO, &QPushButton::clicked, this, go);
    connect(DBCtrlGridExpired, &QAbstractItemView::doubleClicked, this, go);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    EventHook::install(DBCtrlGridExpired, [go](QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        go();
        return true;
    });
    FormCreate();
}

void TfrmExpired::FormCreate()
{
    adjustSize();
    CenterOver(parentWidget(), this);
    ShowExpiredCount();
    chkRemind->setChecked(s_.settings.readBool("ExpireOptions", "remind", false));
    DBCtrlGridExpired->setFocus();
}

void TfrmExpired::ShowExpiredCount()
{
    const int n = dm_.qryExpired.recordCount();
    SB->setText(n == 1 ? QStringLiteral(" 1 expired password") : QStringLiteral(" %1 expired passwords").arg(n));
}

void TfrmExpired::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmExpired::done(int result)
{
    RunCommand(this, [this] { s_.settings.writeBool("ExpireOptions", "remind", chkRemind->isChecked()); });
    QDialog::done(result);
}

void TfrmExpired::cmdGOClick()
{
    if (dm_.GoToListedAccount(dm_.qryExpired))
        accept();
}

} // namespace lw
