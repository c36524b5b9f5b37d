#include "Field.h"

#include "settings/Error.h"

#include <QDateTime>
#include <QRegularExpression>

namespace lw {

FieldDef FieldFromDeclType(const QString& name, const QString& declType)
{
    const QString t = declType.toUpper();
    FieldDef f{name, FieldType::Text, 0, false};
    if (t.startsWith(QLatin1String("INT")))
        f.type = FieldType::Integer;
    else if (t.startsWith(QLatin1String("BOOL")))
        f.type = FieldType::Boolean;
    else if (t.startsWith(QLatin1String("DATE")))
        f.type = FieldType::DateTime;
    else if (t.contains(QLatin1String("LONGTEXT")) || t.contains(QLatin1String("MEMO")))
        f.type = FieldType::Memo;
    static const QRegularExpression size(QStringLiteral("\\((\\d+)\\)"));
    if (f.type == FieldType::Text) {
        const auto m = size.match(t);
        if (m.hasMatch())
            f.size = m.captured(1).toInt();
    }
    if (declType.isEmpty()) // an expression column: whatever the engine gives
        f.type = FieldType::Memo;
    return f;
}

namespace {

// Dates are stored as "yyyy-MM-dd HH:mm:ss" in local time; parsing by hand is
// much quicker than the general date parser and lists read many of them.
QVariant parseDateTime(const QString& s)
{
    auto num = [&](int from, int len) {
        int v = 0;
        for (int i = from; i < from + len; ++i) {
            const QChar c = s[i];
            if (!c.isDigit())
                return -1;
            v = v * 10 + c.digitValue();
        }
        return v;
    };
    if (s.size() >= 10) {
        const QDate d(num(0, 4), num(5, 2), num(8, 2));
        QTime t(0, 0);
        if (s.size() >= 19)
            t = QTime(num(11, 2), num(14, 2), num(17, 2));
        if (d.isValid() && t.isValid())
            return QDateTime(d, t);
    }
    const QDateTime any = QDateTime::fromString(s, Qt::ISODate);
    return any.isValid() ? QVariant(any) : QVariant();
}

} // namespace

QVariant ToFieldValue(const FieldDef& field, const QVariant& stored)
{
    if (stored.isNull())
        return {};
    switch (field.type) {
    case FieldType::Integer:
        return stored.toLongLong();
    case FieldType::Boolean:
        return stored.toLongLong() != 0;
    case FieldType::DateTime:
        return stored.typeId() == QMetaType::QDateTime ? stored : parseDateTime(stored.toString());
    case FieldType::Text:
    case FieldType::Memo:
        return stored.typeId() == QMetaType::QString ? stored : QVariant(stored.toString());
    }
    return stored;
}

QVariant ToStoredValue(const FieldDef& field, const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (field.type) {
    case FieldType::Integer:
        return value.toLongLong();
    case FieldType::Boolean:
        return qint64(value.toBool() ? 1 : 0);
    case FieldType::DateTime: {
        const QDateTime dt = value.toDateTime();
        return dt.isValid() ? QVariant(dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))) : QVariant();
    }
    case FieldType::Text:
    case FieldType::Memo: {
        const QString s = value.toString();
        if (s.isEmpty() && !field.allowEmpty)
            return {};
        return s;
    }
    }
    return value;
}

void CheckFits(const FieldDef& field, const QVariant& value)
{
    if (field.type != FieldType::Text || field.size <= 0 || value.isNull())
        return;
    const QString text = value.toString();
    qsizetype n = 0; // characters as the engine counts them: code points
    for (QChar c : text)
        n += c.isLowSurrogate() ? 0 : 1;
    if (n > field.size)
        throw Error(QStringLiteral("%1 may hold at most %2 characters; this text has %3.")
                        .arg(field.name)
                        .arg(field.size)
                        .arg(n));
}

QString DateText(const QVariant& value)
{
    const QDateTime dt = value.toDateTime();
    return dt.isValid() ? dt.toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

} // namespace lw
