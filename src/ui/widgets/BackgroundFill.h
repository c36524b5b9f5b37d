#pragma once

#include <QStringList>
#include <QWidget>

namespace lw {

// Fills itself with one of the named background textures. "None", and any
// name not in styleNames() (the comparison is case-sensitive), paints nothing.
class BackgroundFill : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundFill(QWidget* parent = nullptr);

    // The texture names in the order the options dialog lists them.
    static const QStringList& styleNames();

    void setStyleName(const QString& name);
    QString styleName() const { return m_name; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_name = QStringLiteral("None");
    QPixmap m_tile;
};

} // namespace lw
