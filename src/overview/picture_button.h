#pragma once

#include <QPushButton>
#include <span>

namespace almanor {

// A push button with its small picture above a caption that wraps onto as many lines as
// the button's width needs, centred as a whole. QPushButton keeps a caption on one line.
class PictureButton final : public QPushButton {
    Q_OBJECT

public:
    PictureButton(const QIcon& picture, const QString& caption, QWidget* parent = nullptr);

    // Its width, and the height the picture and the wrapped caption need in its font.
    QSize sizeHint() const override;

    // Gives the buttons of one row the largest font in which every caption fits its face, so
    // that none is drawn smaller than its neighbours.
    static void shareFittingFont(std::span<PictureButton* const> row);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect face() const;
    QRect captionBounds(const QFont& font) const;
    int captionSpace() const;
};

} // namespace almanor
