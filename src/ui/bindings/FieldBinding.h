#pragma once

#include "records/Dataset.h"

#include <QObject>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace lw {

class NullableDateEdit;

// Ties one edit control to one field of a dataset: a change in the dataset
// shows the field's value; a user edit puts the dataset into edit state and
// writes the value. Errors of the write (a text too long) go to onError.
class FieldBinding : public QObject {
    Q_OBJECT
public:
    using ErrorHandler = std::function<void(const std::exception&)>;

    static FieldBinding* bind(QLineEdit* edit, Dataset& dataset, const QString& field);
    static FieldBinding* bind(QPlainTextEdit* edit, Dataset& dataset, const QString& field);
    static FieldBinding* bind(NullableDateEdit* edit, Dataset& dataset, const QString& field);
    // A ticked box is true.
    static FieldBinding* bind(QCheckBox* box, Dataset& dataset, const QString& field);
    // An editable combo box: a pick from the list or a typed text. With a
    // validator only acceptable text is written; when the combo loses the
    // focus holding anything else it shows the field's value again.
    static FieldBinding* bind(QComboBox* combo, Dataset& dataset, const QString& field);

    void setErrorHandler(ErrorHandler h) { onError_ = std::move(h); }
    // Shows the dataset's current value again.
    void refresh();

private:
    FieldBinding(QObject* control, Dataset& dataset, QString field, std::function<void(const QVariant&)> show);
    void userEdited(const QVariant& value);

    Dataset& dataset_;
    QString field_;
    std::function<void(const QVariant&)> show_;
    ErrorHandler onError_;
    bool showing_ = false;
    bool writing_ = false;
};

} // namespace lw
