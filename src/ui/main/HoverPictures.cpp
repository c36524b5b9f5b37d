#include "HoverPictures.h"

#include "store/SoundPlayer.h"
#include "ui/widgets/PictureButton.h"

#include <QPixmap>

namespace lw {

HoverPictures::HoverPictures(SoundPlayer& sounds, std::function<bool()> soundAllowed)
    : sounds_(sounds), soundAllowed_(std::move(soundAllowed))
{
}

QPixmap HoverPictures::picture(const QString& name)
{
    return QPixmap(QStringLiteral(":/pictures/%1.png").arg(name));
}

void HoverPictures::PlayHoverSound()
{
    if (soundAllowed_() && sounds_.hasOutputDevice())
        sounds_.play(QStringLiteral("MOVE"));
}

PictureButton* HoverPictures::make(QWidget* parent, const QString& base, const QString& caption, const QString& hint,
                                   QSize size, bool canDisable)
{
    auto* b = new PictureButton(parent);
    b->setObjectName(QStringLiteral("cmd") + base);
    b->setText(caption);
    b->setHint(hint);
    b->setUpPicture(picture(base + "OFF"));
    if (canDisable)
        b->setDisabledPicture(picture(base + "DISABLED"));
    b->setMinimumSize(b->sizeHint().expandedTo(size));
    QObject::connect(b, &PictureButton::mouseEntered, b, [this, b, base] {
        PlayHoverSound();
        b->setUpPicture(picture(base + "ON"));
    });
    QObject::connect(b, &PictureButton::mouseLeft, b, [b, base] { b->setUpPicture(picture(base + "OFF")); });
    return b;
}

} // namespace lw
