#include "about/about_window.h"
#include "fakes/test_program.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::TestProgram;

class AboutWindowTest : public ::testing::Test {
protected:
    AboutWindow& about() {
        t.program().showAboutWindow();
        return t.program().aboutWindow();
    }
    static void send(QWidget& target, QEvent::Type type, Qt::MouseButton button,
                     QPoint at = QPoint(5, 5)) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }
    static void moveOver(QWidget& target) { send(target, QEvent::MouseMove, Qt::NoButton); }
    void clickLink() {
        send(about().link(), QEvent::MouseButtonPress, Qt::LeftButton);
        send(about().link(), QEvent::MouseButtonRelease, Qt::LeftButton);
    }
    TestProgram t;
};

TEST_F(AboutWindowTest, showsThePictureWithTheTwoLabels) {
    AboutWindow& w = about();
    EXPECT_EQ(w.windowTitle(), "About");
    EXPECT_EQ(w.size(), QSize(288, 144));
    EXPECT_TRUE(w.testAttribute(Qt::WA_DeleteOnClose));

    const QLabel& info = w.infoLabel();
    EXPECT_EQ(info.text(), "For more information visit -");
    EXPECT_EQ(info.font().family(), "Arial");
    EXPECT_TRUE(info.font().bold());
    EXPECT_DOUBLE_EQ(info.font().pointSizeF(), 9.0);
    EXPECT_LT(info.x(), 30) << "on the left";
    EXPECT_NEAR(info.geometry().center().y(), 72, 16) << "near the vertical middle";

    const QLabel& link = w.link();
    EXPECT_EQ(link.text(), "www.example.com");
    EXPECT_EQ(link.toolTip(), "Click To Visit");
    EXPECT_EQ(link.font().family(), "Arial");
    EXPECT_TRUE(link.font().bold());
    EXPECT_DOUBLE_EQ(link.font().pointSizeF(), 14.25);
    EXPECT_EQ(link.x(), 0);
    EXPECT_EQ(link.width(), 288) << "centred across the full width";
    EXPECT_TRUE(link.alignment() & Qt::AlignHCenter);
    EXPECT_GE(link.y(), info.geometry().bottom()) << "below the other label";
    EXPECT_LE(link.geometry().bottom(), 143);
    EXPECT_EQ(w.linkColour(), QColor(Qt::black));
}

TEST_F(AboutWindowTest, linkIsRedUnderTheMouseAndBlackOverThePicture) {
    AboutWindow& w = about();
    for (int round = 0; round < 2; ++round) {
        moveOver(w.link());
        EXPECT_EQ(w.linkColour(), QColor(Qt::red));
        moveOver(w);
        EXPECT_EQ(w.linkColour(), QColor(Qt::black));
    }
}

TEST_F(AboutWindowTest, clickOpensTheMakersPage) {
    clickLink();
    ASSERT_EQ(t.fakes.browser.opened.size(), 1u);
    EXPECT_EQ(t.fakes.browser.opened[0], QUrl("https://www.example.com/"));
    EXPECT_EQ(t.fakes.browser.opened[0].host(), "www.example.com");
    EXPECT_EQ(t.program().msgAnswer, 1);
}

TEST_F(AboutWindowTest, failedOpenShowsNothingAndKeepsTheWindow) {
    t.fakes.browser.succeeds = false;
    t.program().msgAnswer = 7;
    clickLink();
    EXPECT_EQ(t.fakes.browser.opened.size(), 1u);
    EXPECT_EQ(t.program().msgAnswer, 0);
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
    EXPECT_TRUE(about().isVisible());
}

TEST_F(AboutWindowTest, onlyALeftClickOnTheLinkOpensThePage) {
    send(about().link(), QEvent::MouseButtonPress, Qt::RightButton);
    send(about().link(), QEvent::MouseButtonRelease, Qt::RightButton);
    send(about().link(), QEvent::MouseButtonPress, Qt::LeftButton);
    send(about().link(), QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, -40));
    EXPECT_TRUE(t.fakes.browser.opened.empty());
}

TEST_F(AboutWindowTest, closingDestroysItAndTheNextRequestMakesANewOne) {
    about().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(t.program().hasAboutWindow());
    EXPECT_TRUE(about().isVisible());
    EXPECT_EQ(about().linkColour(), QColor(Qt::black));
}

} // namespace
} // namespace almanor
