#pragma once

#include <QString>
#include <QVariant>

namespace lw {

enum class FieldType { Integer, Text, Boolean, DateTime, Memo };

// A column of a dataset: its name, type, and for text its size in characters.
// Text that may not be empty is stored as null when the user empties it.
struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0; // characters; 0 for no limit
    bool allowEmpty = false;
};

// The field a stored column stands for, from the column's declared type.
FieldDef FieldFromDeclType(const QString& name, const QString& declType);

// A stored value seen as a value of the field's type, and back.
QVariant ToFieldValue(const FieldDef& field, const QVariant& stored);
QVariant ToStoredValue(const FieldDef& field, const QVariant& value);

// Throws an Error when the value does not fit the field (text too long).
void CheckFits(const FieldDef& field, const QVariant& value);

// The display pattern "mm/dd/yyyy" used for dates shown as plain text.
QString DateText(const QVariant& value);

} // namespace lw
