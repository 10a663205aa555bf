#include "platform/qt_services.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace almanor {
namespace {

// The program's own help opens in one window, however often it is asked for, and its links
// to the web open in the browser.
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
    EXPECT_TRUE(static_cast<QTextBrowser*>(shown[0])->openExternalLinks());
}

// A help file of up to four megabytes opens; anything larger is no help file and is refused
// with a reason.
TEST(HelpViewer, refusesAFileLargerThanFourMegabytes) {
    QTemporaryDir folder;
    for (const qint64 size : {4 << 20, (4 << 20) + 1}) {
        QFile file(folder.filePath(QString::number(size)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(QByteArray(size, ' ')), size); // nothing to lay out
        file.close();
        QtHelpViewer viewer;
        QString whyNot;
        EXPECT_EQ(viewer.showContents(file.fileName(), whyNot), size == 4 << 20) << size;
        EXPECT_EQ(whyNot.isEmpty(), size == 4 << 20) << size;
    }
}

} // namespace
} // namespace almanor
