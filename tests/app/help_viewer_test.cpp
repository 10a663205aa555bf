#include "platform/qt_services.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace almanor {
namespace {

// The program's own help opens in one window, however often it is asked for, and its links
// to the web open in the browser. A help file may hold up to four megabytes (a byte more is
// refused: see the options' tests).
TEST(HelpViewer, showsTheHelpInOneWindow) {
    QtHelpViewer viewer;
    QString whyNot;
    QTemporaryDir folder;
    const QString help = folder.filePath("almanor.hlp");
    QFile file(help);
    ASSERT_TRUE(QFile::copy(ALMANOR_FIXTURES_DIR "/../../resources/almanor.hlp", help) &&
                file.open(QIODevice::Append));
    file.write(QByteArray((4 << 20) - file.size(), ' '));
    file.close();
    ASSERT_TRUE(viewer.showContents(help, whyNot) && viewer.showContents(help, whyNot));
    QList<QWidget*> shown = QApplication::topLevelWidgets();
    shown.removeIf([](QWidget* w) { return !w->isVisible() || !qobject_cast<QTextBrowser*>(w); });
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->windowTitle(), "Almanor Help");
    EXPECT_EQ(static_cast<QTextBrowser*>(shown[0])->documentTitle(), "Almanor Help");
    EXPECT_TRUE(static_cast<QTextBrowser*>(shown[0])->openExternalLinks());
}

} // namespace
} // namespace almanor
