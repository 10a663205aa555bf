#include "about/about_window.h"
#include "alarm/alarm_window.h"
#include "alarm/time_dialog.h"
#include "calendar/calendar_face.h"
#include "calendar/calendar_window.h"
#include "calendar/hotspot.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "overview/overview_window.h"
#include "platform/artwork.h"
#include "settings/options_window.h"
#include "settings/spoken_language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace almanor {
namespace {

// The face lies behind the window's controls, and what it draws for a command must be where
// a click runs that command: each spot is outlined on it.
QImage faceWithSpots(CalendarWindow& window) {
    QImage image(window.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintCalendarFace(painter, window.rect());
    painter.setPen(Qt::magenta);
    for (const Hotspot* spot : window.findChildren<Hotspot*>()) {
        painter.drawRect(spot->geometry().adjusted(0, 0, -1, -1));
    }
    return image;
}

// Pictures side by side, pixel for pixel, in one image.
QImage sideBySide(std::vector<QImage> pictures) {
    int width = 0, height = 0;
    for (QImage& picture : pictures) {
        picture.setDevicePixelRatio(1);
        width += picture.width() + 2;
        height = std::max(height, picture.height());
    }
    QImage strip(width, height, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (int x = 0; const QImage& picture : pictures) {
        painter.drawImage(x, 0, picture);
        x += picture.width() + 2;
    }
    return strip;
}

QImage buttonPictures(qreal ratio) {
    std::vector<QImage> pictures;
    for (const ButtonPicture picture : kButtonPictures) {
        const int side = buttonPictureSide(picture);
        pictures.push_back(buttonPicture(picture).pixmap(QSize(side, side), ratio).toImage());
    }
    return sideBySide(pictures);
}

QImage emblems() {
    std::vector<QImage> pictures;
    for (const int size : {16, 32, 48, 64}) {
        pictures.push_back(appIcon().pixmap(size, size).toImage());
    }
    QImage odd(66, 66, QImage::Format_ARGB32);
    odd.fill(Qt::transparent);
    QPainter painter(&odd);
    paintEmblem(painter, QRectF(2.25, 2.25, 61.5, 61.5)); // off the pixel grid
    painter.end();
    pictures.push_back(odd);
    return sideBySide(pictures);
}

// How many pixels differ by more than a rounding step in any colour channel.
qsizetype pixelsApart(const QImage& drawn, const QImage& approved) {
    const QImage a = drawn.convertToFormat(QImage::Format_ARGB32);
    const QImage b = approved.convertToFormat(QImage::Format_ARGB32);
    if (a.size() != b.size()) {
        return std::max(a.sizeInBytes(), b.sizeInBytes()) / 4;
    }
    qsizetype apart = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            apart += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                               std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))}) > 2;
        }
    }
    return apart;
}

// Drawings are compared with how they looked when last approved. After a deliberate change,
// run the app tests with ALMANOR_APPROVE_LOOKS=1, look at the pictures written to
// tests/fixtures/looks and commit them.
void expectApprovedLooks(const std::vector<std::pair<QString, QImage>>& looks) {
    for (const auto& [name, drawn] : looks) {
        const QString approved = QStringLiteral(ALMANOR_FIXTURES_DIR "/looks/%1.png").arg(name);
        if (qEnvironmentVariableIsSet("ALMANOR_APPROVE_LOOKS")) {
            EXPECT_TRUE(drawn.save(approved, "PNG", 0)) << approved.toStdString();
            continue;
        }
        const QString seen = QDir::temp().filePath(QStringLiteral("almanor-%1.png").arg(name));
        EXPECT_EQ(pixelsApart(drawn, QImage(approved)), 0)
            << name.toStdString() << " differs from its approved look; drawn now: "
            << (drawn.save(seen) ? seen.toStdString() : "(not saved)");
    }
}

TEST(Looks, picturesAndFaceLookAsApproved) {
    testing::TestProgram t;
    expectApprovedLooks(
        {{"face", faceWithSpots(*t.started().calendarWindow())},
         {"about", sideBySide({aboutPicture(1).toImage(), aboutPicture(2).toImage()})},
         {"buttons", buttonPictures(1)},
         {"buttons@2x", buttonPictures(2)},
         {"emblems", emblems()}});
}

// Every control lies inside its window or group, covers no other and shows its whole caption or
// text, or else a picture, and one that takes the keyboard has a name a screen reader can say:
// a later change of fonts, texts or layouts must not hide one unnoticed. The windows laid out in
// twips leave neighbours touching by a pixel or two; the hotspots reach past the frameless
// window's edges and meet where two commands' words sit close.
void expectEveryControlWhole(QWidget& window) {
    EXPECT_FALSE(window.windowIcon().pixmap(16).toImage().allGray()) << "the program's icon";
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->isWindow() ||
            qobject_cast<QFocusFrame*>(control)) {
            continue;
        }
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const auto* label = qobject_cast<QLabel*>(control);
        const auto* field = qobject_cast<QLineEdit*>(control);
        const QString caption = button ? button->text() : label ? label->text() : QString();
        const std::string name = control->metaObject()->className() + caption.toStdString();
        const bool spot = qobject_cast<Hotspot*>(control) != nullptr;
        EXPECT_TRUE(!field || field->fontMetrics().horizontalAdvance(field->text()) <=
                                  field->contentsRect().width() - 4)
            << name << ": its text is cut";
        const QWidget& parent = *control->parentWidget();
        EXPECT_TRUE(spot || parent.rect().adjusted(-3, -3, 3, 3).contains(control->geometry()))
            << name;
        for (const QWidget* other : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect both = control->geometry() & other->geometry();
            EXPECT_TRUE(other == control || !other->isVisibleTo(&window) || other->isWindow() ||
                        (spot && qobject_cast<const Hotspot*>(other)) ||
                        qobject_cast<const QFocusFrame*>(other) ||
                        std::min(both.width(), both.height()) <= 3)
                << name << " covers " << other->metaObject()->className();
        }
        EXPECT_FALSE(caption.isEmpty() && control->accessibleName().isEmpty() &&
                     control->focusPolicy() != Qt::NoFocus)
            << name << ": a screen reader has no name to say";
        if (caption.isEmpty() && !(label && !label->pixmap().isNull())) {
            continue;
        }
        EXPECT_GE(control->width(), control->sizeHint().width()) << name;
        EXPECT_GE(control->height(), control->sizeHint().height() - 4) << name;
    }
}

// Tab takes the controls in reading order, each wholly below the one before or right of it and
// not wholly above it, and the one that has the keyboard shows a frame around it.
void expectTabInReadingOrderWithAFocusFrame(QWidget& window) {
    testing::activate(window);
    std::vector<QWidget*> order;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (w->isVisibleTo(&window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy() && w->window() == &window) {
            order.push_back(w);
        }
    }
    QRect before;
    std::string previous;
    for (QWidget* control : order) {
        const std::string name = control->metaObject()->className() +
                                 control->accessibleName().toStdString() +
                                 control->objectName().toStdString();
        control->setFocus(Qt::TabFocusReason);
        const auto* frame = window.findChild<QFocusFrame*>();
        EXPECT_TRUE(frame && frame->isVisibleTo(&window) && frame->widget() == control) << name;
        const QRect at(control->mapTo(&window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(before.isNull() || at.top() >= before.bottom() - 3 ||
                    (at.left() >= before.right() - 3 && at.bottom() > before.top()))
            << name << " comes after " << previous << ", which lies below or right of it";
        before = at;
        previous = name;
    }
}

// Every window in each language (a longer word must fit where the English one does), with notes,
// the widest alarm time, the time dialog open and a button held down; pixels left to the style.
TEST(Looks, everyWindowShowsEveryControlWholeInEachLanguage) {
    for (const Language language : {Language::English, Language::German, Language::French}) {
        const SpokenLanguage spoken(language);
        SCOPED_TRACE(QLocale().name().toStdString());
        EXPECT_EQ(language == Language::English,
                  QCoreApplication::translate("almanor::OptionsWindow", "Apply") == "Apply");
        EXPECT_EQ(language == Language::English, // Qt's own, as on a message box's button
                  QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel");
        testing::TestProgram t;
        t.writeFile("20261206.dnf", testing::record("Dentist at four\r\nbring the card",
                                                    "12/06/2026", "12:59:59 PM"));
        t.writeFile("20261224.dnf", testing::record("presents", "12/24/2026"));
        Program& program = t.started();
        CalendarWindow& calendar = *program.calendarWindow();
        EXPECT_EQ(calendar.findChild<QCalendarWidget*>()->firstDayOfWeek(), Qt::Monday)
            << "the week of each language, and of the C locale in English";
        QTest::mouseClick(&testing::childNamed(calendar, "alarmField"), Qt::LeftButton);
        program.showOverviewWindow();
        program.showOptionsWindow();
        program.showAboutWindow();
        testing::childNamed<QPushButton>(*program.overviewWindow(), "copy")
            .setDown(true);                             // as while the mouse holds it
        t.fakes.clock.current.setTime(QTime(13, 0, 0)); // the note's alarm, after its sound
        testing::tick(program.secondTicker(), "clock");
        QCoreApplication::processEvents();
        for (QWidget* window : std::initializer_list<QWidget*>{
                 &calendar, calendar.findChild<TimeDialog*>(), program.overviewWindow(),
                 program.optionsWindow(), program.aboutWindow(),
                 testing::shownWindow<AlarmWindow>()}) {
            SCOPED_TRACE(window->metaObject()->className());
            expectEveryControlWhole(*window);
            expectTabInReadingOrderWithAFocusFrame(*window);
        }
    }
}

} // namespace
} // namespace almanor
