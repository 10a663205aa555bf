#include "platform/qt_services.h"

#include <QApplication>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace almanor {
namespace {

// The program's own help opens in one window, however often it is asked for.
TEST(HelpViewer, showsTheHelpInOneWindow) {
    QtHelpViewer viewer;
    QString whyNot;
    const QString help = QStringLiteral(ALMANOR_FIXTURES_DIR "/../../resources/almanor.hlp");
    ASSERT_TRUE(viewer.showContents(help, whyNot) && viewer.showContents(help, whyNot));
    QList<QWidget*> shown = QApplication::topLevelWidgets();
    shown.removeIf([](QWidget* w) { return !w->isVisible() || !qobject_cast<QTextBrowser*>(w); });
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->windowTitle(), "Almanor Help");
    EXPECT_EQ(static_cast<QTextBrowser*>(shown[0])->documentTitle(), "Almanor Help");
}

} // namespace
} // namespace almanor
