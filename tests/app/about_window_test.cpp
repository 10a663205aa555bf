#include "about/about_window.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::TestProgram;

void send(QWidget& target, QEvent::Type type, Qt::MouseButton button, QPoint at = QPoint(5, 5)) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

void click(QWidget& target, Qt::MouseButton button, QPoint releasedAt = QPoint(5, 5)) {
    send(target, QEvent::MouseButtonPress, button);
    send(target, QEvent::MouseButtonRelease, button, releasedAt);
}

class AboutWindowTest : public ::testing::Test {
protected:
    AboutWindow& about() {
        t.program().showAboutWindow();
        return t.program().aboutWindow();
    }
    TestProgram t;
};

TEST_F(AboutWindowTest, linkIsRedUnderTheMouseAndBlackOverThePicture) {
    AboutWindow& w = about();
    EXPECT_EQ(w.link().text(), "www.example.com");
    for (int round = 0; round < 2; ++round) {
        send(w.link(), QEvent::MouseMove, Qt::NoButton);
        EXPECT_EQ(w.linkColour(), QColor(Qt::red));
        send(w, QEvent::MouseMove, Qt::NoButton);
        EXPECT_EQ(w.linkColour(), QColor(Qt::black));
    }
}

TEST_F(AboutWindowTest, aLeftClickOnTheLinkOpensThePageAndAFailureSaysNothing) {
    click(about().link(), Qt::RightButton);
    click(about().link(), Qt::LeftButton, QPoint(5, -40)); // released elsewhere
    EXPECT_TRUE(t.fakes.browser.opened.empty());
    t.fakes.browser.succeeds = false;
    click(about().link(), Qt::LeftButton);
    testing::activate(about());
    about().link().setFocus(Qt::TabFocusReason);
    EXPECT_EQ(about().link().frameShape(), QFrame::Box) << "the focus shows";
    QTest::keyClick(&about().link(), Qt::Key_Return);
    QTest::keyClick(&about().link(), Qt::Key_Space);
    ASSERT_EQ(t.fakes.browser.opened.size(), 3u);
    EXPECT_EQ(t.fakes.browser.opened[0], QUrl("https://www.example.com/"));
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
    EXPECT_TRUE(about().isVisible());
}

TEST_F(AboutWindowTest, closingDestroysItAndTheNextRequestMakesANewOne) {
    about().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(t.program().hasAboutWindow());
    EXPECT_TRUE(about().isVisible());
}

} // namespace
} // namespace almanor
