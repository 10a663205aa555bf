#include "platform/focus_frame.h"

#include <QApplication>
#include <gtest/gtest.h>

// One application object for all window tests, on the offscreen platform, with a fixed set of
// fonts so that drawn words look alike on every machine.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("FONTCONFIG_FILE", ALMANOR_FIXTURES_DIR "/fonts.conf");
    QApplication app(argc, argv);
    QApplication::setCursorFlashTime(0); // a steady cursor draws alike every time
    almanor::showFocusFrames(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
