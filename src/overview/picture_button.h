#pragma once

#include <QPushButton>

namespace almanor {

// A push button with its small picture above a caption that wraps onto as many lines as
// the button's width needs, centred as a whole. QPushButton keeps a caption on one line.
class PictureButton final : public QPushButton {
    Q_OBJECT

public:
    PictureButton(const QIcon& picture, const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace almanor
