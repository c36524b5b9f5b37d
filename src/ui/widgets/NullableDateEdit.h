#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QDateEdit;

namespace lw {

// A date edit with a calendar drop-down that may also be blank. date() is a
// null QDate while it is blank; setDate() with a null date blanks it. The
// user blanks it with Delete or Backspace and picks a date by typing or from
// the calendar. dateEdited() reports the user's changes only, never those
// made through setDate(). Dates must lie after 14 September 1752; the
// editor keeps that day to stand for blank.
class NullableDateEdit : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kDefaultFormat = "MM/dd/yyyy";

    explicit NullableDateEdit(QWidget* parent = nullptr);

    QDate date() const;
    void setDate(const QDate& date);
    bool isBlank() const { return date().isNull(); }

    void setDisplayFormat(const QString& format);
    QString displayFormat() const;

    // The inner editor, for key handlers that sit in front of it.
    QDateEdit* editor() const { return m_edit; }

signals:
    void dateEdited(const QDate& date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void editorDateChanged(const QDate& date);

    QDateEdit* m_edit;
    QCalendarWidget* m_calendar;
    bool m_quiet = false;
};

} // namespace lw
