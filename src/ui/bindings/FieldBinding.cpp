#include "FieldBinding.h"

#include "settings/Error.h"
#include "ui/widgets/NullableDateEdit.h"

#include "ui/bindings/EventHook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace lw {

FieldBinding::FieldBinding(QObject* control, Dataset& dataset, QString field, std::function<void(const QVariant&)> show)
    : QObject(control), dataset_(dataset), field_(std::move(field)), show_(std::move(show))
{
    connect(&dataset_, &Dataset::changed, this, [this](DataChange why, const QString& f) {
        if (why == DataChange::FieldChanged && !f.isEmpty() && f.compare(field_, Qt::CaseInsensitive) != 0)
            return;
        refresh();
    });
}

void FieldBinding::refresh()
{
    if (writing_)
        return; // the control already shows what is being written
    showing_ = true;
    show_(dataset_.value(field_));
    showing_ = false;
}

void FieldBinding::userEdited(const QVariant& value)
{
    if (showing_)
        return;
    if (!dataset_.isOpen() || dataset_.isEmpty()) {
        refresh();
        return;
    }
    try {
        writing_ = true;
        dataset_.edit();
        dataset_.setValue(field_, value);
        writing_ = false;
    } catch (const SilentAbort&) {
        writing_ = false;
        refresh();
    } catch (const std::exception& e) {
        writing_ = false;
        refresh();
        if (onError_)
            onError_(e);
    }
}

FieldBinding* FieldBinding::bind(QLineEdit* edit, Dataset& dataset, const QString& field)
{
    auto* b = new FieldBinding(edit, dataset, field, [edit](const QVariant& v) {
        const QString text = v.toString();
        if (edit->text() != text)
            edit->setText(text);
    });
    connect(edit, &QLineEdit::textEdited, b, [b](const QString& text) { b->userEdited(text); });
    b->refresh();
    return b;
}

FieldBinding* FieldBinding::bind(QPlainTextEdit* edit, Dataset& dataset, const QString& field)
{
    auto* b = new FieldBinding(edit, dataset, field, [edit](const QVariant& v) {
        const QString text = v.toString();
        if (edit->toPlainText() != text)
            edit->setPlainText(text);
    });
    connect(edit, &QPlainTextEdit::textChanged, b, [b, edit] { b->userEdited(edit->toPlainText()); });
    b->refresh();
    return b;
}

FieldBinding* FieldBinding::bind(NullableDateEdit* edit, Dataset& dataset, const QString& field)
{
    auto* b = new FieldBinding(edit, dataset, field, [edit](const QVariant& v) {
        edit->setDate(v.isNull() ? QDate() : v.toDateTime().date());
    });
    connect(edit, &NullableDateEdit::dateEdited, b,
            [b](const QDate& d) { b->userEdited(d.isValid() ? QVariant(QDateTime(d, QTime(0, 0))) : QVariant()); });
    b->refresh();
    return b;
}

FieldBinding* FieldBinding::bind(QCheckBox* box, Dataset& dataset, const QString& field)
{
    auto* b = new FieldBinding(box, dataset, field, [box](const QVariant& v) { box->setChecked(v.toBool()); });
    // clicked comes from the user only (mouse or space bar), never from setChecked.
    connect(box, &QCheckBox::clicked, b, [b](bool checked) { b->userEdited(checked); });
    b->refresh();
    return b;
}

FieldBinding* FieldBinding::bind(QComboBox* combo, Dataset& dataset, const QString& field)
{
    QLineEdit* edit = combo->lineEdit();
    Q_ASSERT(edit);
    auto* b = new FieldBinding(combo, dataset, field, [combo, edit](const QVariant& v) {
        const QString text = v.toString();
        // A value of the list also becomes the list's current item.
        const int item = combo->findText(text);
        if (item >= 0 && combo->currentIndex() != item)
            combo->setCurrentIndex(item);
        if (edit->text() != text)
            edit->setText(text);
    });
    const auto typed = [b, edit](const QString& text) {
        if (edit->hasAcceptableInput())
            b->userEdited(text);
    };
    connect(edit, &QLineEdit::textEdited, b, typed);
    connect(combo, &QComboBox::textActivated, b, typed);
    EventHook::install(edit, [b, edit](QEvent* e) {
        if (e->type() == QEvent::FocusOut && !edit->hasAcceptableInput())
            b->refresh();
        return false;
    });
    b->refresh();
    return b;
}

} // namespace lw
