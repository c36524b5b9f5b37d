#pragma once

#include <QColor>
#include <QWidget>

namespace lw {

// A caption strip painted as a horizontal gradient of 64 colour bands: black
// to navy with white bold text while its window is active, gray to silver
// with silver text while it is inactive. hovered() comes whenever the
// pointer moves over the strip.
class GradientCaption : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSteps = 64;

    explicit GradientCaption(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }

    // Colour of band `step` (0 at the left, kSteps - 1 at the right).
    static QColor bandColor(int step, bool active);

    QSize sizeHint() const override;

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QString m_text;
};

} // namespace lw
