#pragma once

#include <QSize>
#include <QString>
#include <functional>

class QPixmap;
class QWidget;

namespace lw {

class PictureButton;
class SoundPlayer;

// The picture buttons of the main window: each lights up while the pointer
// is over it (its "…ON" picture, "…OFF" again on leaving) and clicks softly.
class HoverPictures {
public:
    // soundAllowed: button sounds on and a database open.
    HoverPictures(SoundPlayer& sounds, std::function<bool()> soundAllowed);

    // A button with the pictures <base>OFF / <base>ON and, when it can be
    // disabled, <base>DISABLED.
    PictureButton* make(QWidget* parent, const QString& base, const QString& caption, const QString& hint, QSize size,
                        bool canDisable = true);

    void PlayHoverSound();

    // Loads a picture of the program's resources anew.
    static QPixmap picture(const QString& name);

private:
    SoundPlayer& sounds_;
    std::function<bool()> soundAllowed_;
};

} // namespace lw
