#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLabel;
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

    // The format the date is typed in, shown while the edit has the focus.
    void setDisplayFormat(const QString& format);
    QString displayFormat() const { return m_editFormat; }
    // The format shown while the edit does not have the focus; empty shows
    // the display format throughout.
    void setShownFormat(const QString& format);

    // The calendar's heading: the picked date (today while blank) in this
    // format, in place of the month and year buttons. Empty keeps them.
    void setHeadingFormat(const QString& format);
    QString heading() const;

    // The inner editor, for key handlers that sit in front of it.
    QDateEdit* editor() const { return m_edit; }

signals:
    void dateEdited(const QDate& date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void editorDateChanged(const QDate& date);
    void updateHeading();
    void applyFormat(bool focused);

    QDateEdit* m_edit;
    QCalendarWidget* m_calendar;
    QLabel* m_heading = nullptr;
    QString m_headingFormat;
    QString m_editFormat;
    QString m_shownFormat;
    bool m_quiet = false;
    int m_digitSection = -1; // the section the last key typed a digit into
};

} // namespace lw
