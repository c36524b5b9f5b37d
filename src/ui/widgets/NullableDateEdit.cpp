#include "ui/widgets/NullableDateEdit.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

namespace lw {

namespace {
// The editor's minimum date stands for "blank": the editor shows its special
// value text there, a single space. Real dates lie after it.
const QDate kBlank(1752, 9, 14);
} // namespace

NullableDateEdit::NullableDateEdit(QWidget* parent) : QWidget(parent), m_edit(new QDateEdit(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);

    m_edit->setCalendarPopup(true);
    m_editFormat = QString::fromLatin1(kDefaultFormat);
    m_edit->setDisplayFormat(m_editFormat);
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
    m_editFormat = format;
    applyFormat(m_edit->hasFocus());
}

void NullableDateEdit::setShownFormat(const QString& format)
{
    m_shownFormat = format;
    applyFormat(m_edit->hasFocus());
}

void NullableDateEdit::applyFormat(bool focused)
{
    const QString format = focused || m_shownFormat.isEmpty() ? m_editFormat : m_shownFormat;
    if (m_edit->displayFormat() != format)
        m_edit->setDisplayFormat(format);
}

void NullableDateEdit::setHeadingFormat(const QString& format)
{
    m_headingFormat = format;
    auto* bar = m_calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
    auto* row = bar ? qobject_cast<QBoxLayout*>(bar->layout()) : nullptr;
    if (!row)
        return;
    if (!m_heading) {
        m_heading = new QLabel(bar);
        m_heading->setObjectName(QStringLiteral("heading"));
        m_heading->setAlignment(Qt::AlignCenter);
        m_heading->setForegroundRole(QPalette::HighlightedText);
        QFont bold = m_heading->font();
        bold.setBold(true);
        m_heading->setFont(bold);
        const int at = row->indexOf(bar->findChild<QWidget*>(QStringLiteral("qt_calendar_monthbutton")));
        row->insertWidget(at < 0 ? 1 : at, m_heading, 1);
        connect(m_calendar, &QCalendarWidget::selectionChanged, this, &NullableDateEdit::updateHeading);
    }
    const bool own = !format.isEmpty();
    m_heading->setVisible(own);
    for (const char* name : {"qt_calendar_monthbutton", "qt_calendar_yearbutton"})
        if (auto* w = bar->findChild<QWidget*>(QLatin1String(name)))
            w->setVisible(!own);
    updateHeading();
}

QString NullableDateEdit::heading() const
{
    return m_heading && !m_headingFormat.isEmpty() ? m_heading->text() : QString();
}

void NullableDateEdit::updateHeading()
{
    if (!m_heading)
        return;
    const QDate shown = isBlank() ? QDate::currentDate() : m_calendar->selectedDate();
    m_heading->setText(shown.toString(m_headingFormat));
}

void NullableDateEdit::editorDateChanged(const QDate& d)
{
    if (!m_quiet)
        emit dateEdited(d == kBlank ? QDate() : d);
}

bool NullableDateEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        applyFormat(event->type() == QEvent::FocusIn);
        m_digitSection = -1;
    }
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) {
            if (!isBlank())
                m_edit->setDate(kBlank); // reported as a user edit
            return true;
        }
        const QString text = key->text();
        const bool digit = text.size() == 1 && text.at(0).isDigit();
        // Typing a digit into a blank edit starts from today's date.
        if (isBlank() && digit) {
            m_edit->setDate(QDate::currentDate());
            m_edit->setSelectedSection(m_edit->sectionAt(0));
        }
        // A full section moves on to the next by itself: the separator typed
        // after it ("12/31/2020") must not skip one more.
        const int section = m_edit->currentSectionIndex();
        const bool separator = text.size() == 1 && text.at(0).isPunct();
        const bool movedOn = m_digitSection >= 0 && section != m_digitSection;
        m_digitSection = digit ? section : -1;
        if (separator && movedOn)
            return true;
    }
    // A blank edit opens its calendar on the current month, not at kBlank.
    if (watched == m_calendar && event->type() == QEvent::Show && isBlank()) {
        const QDate today = QDate::currentDate();
        m_calendar->setCurrentPage(today.year(), today.month());
    }
    if (watched == m_calendar && event->type() == QEvent::Show)
        updateHeading();
    return QWidget::eventFilter(watched, event);
}

} // namespace lw
