#pragma once

#include "platform/platform.h"

#include <QPixmap>
#include <QUrl>
#include <QWidget>

class QLabel;

namespace almanor {

// The program's picture with a link to the maker's web page and the folder the notes are kept
// in. It doubles as the start-up splash, and it is destroyed when closed.
class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 288;
    static constexpr int kHeight = 144;

    AboutWindow(WebBrowser& browser, const QString& notesFolder);

    // The address as shown, and the page a click opens.
    static QString webAddress();
    static QUrl webPage();

    // Opens the maker's page; when no browser can, nothing is said.
    void openWebPage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLinkColour(const QColor& colour);

    WebBrowser& browser_;
    QLabel* link_ = nullptr;
    QPixmap picture_;
};

} // namespace almanor
