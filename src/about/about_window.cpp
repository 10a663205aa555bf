#include "about/about_window.h"

#include "platform/artwork.h"
#include "platform/window_keys.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace almanor {

namespace {

QFont arialBold(qreal points) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif); // where Arial is missing, a plain sans serif
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

} // namespace

AboutWindow::AboutWindow(WebBrowser& browser, const QString& notesFolder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      browser_(browser) {
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(*this);
    setWindowTitle(tr("About"));
    setWindowIcon(appIcon());
    setFixedSize(kWidth, kHeight);
    // The link turns black again on any move over the picture, so moves must arrive without
    // a button held.
    setMouseTracking(true);

    auto* info = new QLabel(tr("For more information visit -"), this);
    info->setFont(arialBold(9));
    info->setGeometry(12, 62, kWidth - 24, 20);

    link_ = new QLabel(webAddress(), this);
    link_->setObjectName(QStringLiteral("link"));
    link_->setFont(arialBold(14.25));
    link_->setAlignment(Qt::AlignCenter);
    link_->setGeometry(0, 88, kWidth, 32);
    link_->setToolTip(tr("Click To Visit"));
    link_->setCursor(Qt::PointingHandCursor);
    link_->setMouseTracking(true);
    // Reachable from the keyboard like every other command: Tab to it, Return or Space opens.
    link_->setFocusPolicy(Qt::StrongFocus);
    link_->setAccessibleName(tr("Visit %1").arg(webAddress()));
    link_->installEventFilter(this);
    setLinkColour(Qt::black);

    // Where the notes are depends on how the program was installed, so the user can look it up
    // here.
    auto* folder = new QLabel(this);
    folder->setObjectName(QStringLiteral("notesFolder"));
    QFont small = folder->font();
    small.setPointSizeF(7);
    folder->setFont(small);
    folder->setGeometry(6, 122, kWidth - 12, 18);
    const QString path = QDir::toNativeSeparators(notesFolder);
    folder->setText(QFontMetrics(small).elidedText(tr("Notes: %1").arg(path), Qt::ElideMiddle,
                                                   folder->width()));
    folder->setToolTip(path);
}

QString AboutWindow::webAddress() {
    return QStringLiteral("www.example.com");
}

QUrl AboutWindow::webPage() {
    return QUrl(QStringLiteral("https://www.example.com/"));
}

void AboutWindow::setLinkColour(const QColor& colour) {
    QPalette palette = link_->palette();
    palette.setColor(QPalette::WindowText, colour);
    link_->setPalette(palette);
}

void AboutWindow::openWebPage() {
    browser_.open(webPage()); // a failure shows nothing: the window stays as it is
}

void AboutWindow::paintEvent(QPaintEvent* /*event*/) {
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio) {
        picture_ = aboutPicture(ratio); // drawn for the screen the window is on
    }
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}

void AboutWindow::mouseMoveEvent(QMouseEvent* event) {
    setLinkColour(Qt::black);
    QWidget::mouseMoveEvent(event);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == link_) {
        switch (event->type()) {
        case QEvent::MouseMove:
            setLinkColour(Qt::red);
            return true;
        case QEvent::KeyPress:
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
                openWebPage();
                return true;
            default:
                break;
            }
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // A label draws no focus mark of its own.
            link_->setFrameShape(link_->hasFocus() ? QFrame::Box : QFrame::NoFrame);
            break;
        case QEvent::MouseButtonRelease: {
            // A click is a press and a release on the link; a press dragged off it is none.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                link_->rect().contains(mouse->position().toPoint())) {
                openWebPage();
            }
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace almanor
