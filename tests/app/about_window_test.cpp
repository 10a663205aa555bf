#include "about/about_window.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "platform/artwork.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace almanor {
namespace {

void sendMouse(QWidget& target, QEvent::Type type, Qt::MouseButton button, QPoint at = {5, 5}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

// The link is red under the mouse; a click on it is a left press and release there.
TEST(AboutWindow, showsItsPictureAndItsLinkOpensThePage) {
    testing::TestProgram t;
    t.program().showAboutWindow();
    AboutWindow& w = *t.program().aboutWindow();
    QImage drawn(w.size(), QImage::Format_RGB32);
    w.render(&drawn, {}, {}, QWidget::DrawWindowBackground); // the window alone, no controls
    EXPECT_EQ(drawn, aboutPicture(1).toImage().scaled(w.size()).convertToFormat(drawn.format()));
    EXPECT_EQ(testing::childNamed<QLabel>(w, "notesFolder").toolTip(),
              QDir::toNativeSeparators(QString::fromStdString(t.program().folders().data)));
    auto& link = testing::childNamed<QLabel>(w, "link");
    const auto colour = [&link] { return link.palette().color(QPalette::WindowText); };
    for (int round = 0; round < 2; ++round) {
        sendMouse(link, QEvent::MouseMove, Qt::NoButton);
        EXPECT_EQ(colour(), QColor(Qt::red));
        sendMouse(w, QEvent::MouseMove, Qt::NoButton);
        EXPECT_EQ(colour(), QColor(Qt::black));
    }
    t.fakes.browser.succeeds = false;
    for (const auto& [button, releasedAt] :
         {std::pair{Qt::RightButton, QPoint(5, 5)}, std::pair{Qt::LeftButton, QPoint(5, -40)},
          std::pair{Qt::MiddleButton, QPoint(5, 5)}, std::pair{Qt::LeftButton, QPoint(5, 5)}}) {
        sendMouse(link, QEvent::MouseButtonPress, button);
        sendMouse(link, QEvent::MouseButtonRelease, button, releasedAt);
    }
    EXPECT_EQ(t.fakes.browser.opened, std::vector<QUrl>{QUrl("https://www.example.com/")});
    testing::activate(w); // the keyboard reaches the link too, and shows where it is
    link.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(link.frameShape(), QFrame::Box);
    QTest::keyClick(&link, Qt::Key_Return);
    QTest::keyClick(&link, Qt::Key_Space);
    EXPECT_EQ(t.fakes.browser.opened.size(), 3u);
    QTest::keyClick(&link, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(t.program().aboutWindow()) << "Escape closes it, and closing destroys it";
}

} // namespace
} // namespace almanor
