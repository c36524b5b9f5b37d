#include "ui/widgets/NullableDateEdit.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>

namespace lw {

namespace {
// The editor's minimum date stands for "blank": the editor shows its special
// value text there, a single space. Real dates lie after it.
const QDate kBlank(1752, 9, 14);
} // namespace

NullableDateEdit::NullableDateEdit(QWidget* parent)
    : QWidget(parent)
    , m_edit(new QDateEdit(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);

    m_edit->setCalendarPopup(true);
    m_edit->setDisplayFormat(QString::fromLatin1(kDefaultFormat));
    m_edit->setMinimumDate(kBlank);
    m_edit->setSpecialValueText(QStringLiteral(" "));
    m_edit->setDate(kBlank);
    m_calendar = m_edit->calendarWidget();
    m_edit->installEventFilter(this);
    m_calendar->installEventFilter(this);
    connect(m_edit, &QDateEdit::dateChanged, this, &NullableDateEdit::editorDateChanged);
}

QDate NullableDateEdit::date() const
{
    const QDate d = m_edit->date();
    return d == kBlank ? QDate() : d;
}

void NullableDateEdit::setDate(const QDate& date)
{
    m_quiet = true;
    m_edit->setDate(date.isValid() && date > kBlank ? date : kBlank);
    m_quiet = false;
}

void NullableDateEdit::setDisplayFormat(const QString& format)
{
    m_edit->setDisplayFormat(format);
}

QString NullableDateEdit::displayFormat() const
{
    return m_edit->displayFormat();
}

void NullableDateEdit::editorDateChanged(const QDate& d)
{
    if (!m_quiet)
        emit dateEdited(d == kBlank ? QDate() : d);
}

bool NullableDateEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) {
            if (!isBlank())
                m_edit->setDate(kBlank); // reported as a user edit
            return true;
        }
        // Typing a digit into a blank edit starts from today's date.
        if (isBlank() && !key->text().isEmpty() && key->text().at(0).isDigit()) {
            m_edit->setDate(QDate::currentDate());
            m_edit->setSelectedSection(m_edit->sectionAt(0));
        }
    }
    // A blank edit opens its calendar on the current month, not at kBlank.
    if (watched == m_calendar && event->type() == QEvent::Show && isBlank()) {
        const QDate today = QDate::currentDate();
        m_calendar->setCurrentPage(today.year(), today.month());
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lw
