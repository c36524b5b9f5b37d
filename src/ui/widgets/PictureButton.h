#pragma once

#include "ui/widgets/Hint.h"

#include <QAbstractButton>
#include <QPixmap>

namespace lw {

// A borderless button that shows a picture, with an optional caption under
// or beside it and its hint as the tooltip. It has an up picture, and may
// have a pressed picture (shown while held down) and a disabled picture
// (shown while disabled). mouseEntered() and mouseLeft() come also while
// the button is disabled, so hover pictures and sounds work on it too.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class CaptionPlace { Below, Beside };

    explicit PictureButton(QWidget* parent = nullptr);

    void setUpPicture(const QPixmap& picture);
    QPixmap upPicture() const { return m_up; }
    void setDownPicture(const QPixmap& picture);
    QPixmap downPicture() const { return m_down; }
    void setDisabledPicture(const QPixmap& picture);
    QPixmap disabledPicture() const { return m_disabled; }

    // The caption is the button's text(); the hint is its toolTip() and its
    // accessible name.
    void setCaptionPlace(CaptionPlace place);
    CaptionPlace captionPlace() const { return m_place; }
    void setHint(const QString& hint) { SetHint(this, hint); }
    QString hint() const { return toolTip(); }

    // The picture the button paints in its present state.
    QPixmap currentPicture() const;

    // Where the picture and the caption are painted, in the button.
    QRect pictureRect() const;
    QRect captionRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void pictureChanged();
    void placeContents(QRect& pictureRect, QRect& captionRect) const;
    QSize captionSize() const;

    QPixmap m_up;
    QPixmap m_down;
    QPixmap m_disabled;
    CaptionPlace m_place = CaptionPlace::Below;
};

} // namespace lw
