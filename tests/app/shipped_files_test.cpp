// The files the program ships beside itself: the default sounds and the help file.

#include "calendar/calendar_window.h"
#include "fakes/test_program.h"

#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextDocument>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace almanor {
namespace {

const std::string kResources = std::string(ALMANOR_FIXTURES_DIR) + "/../../resources/";

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t le32(const std::string& bytes, std::size_t at) {
    return std::uint32_t(std::uint8_t(bytes[at])) |
           std::uint32_t(std::uint8_t(bytes[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(bytes[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(bytes[at + 3])) << 24;
}

std::uint16_t le16(const std::string& bytes, std::size_t at) {
    return std::uint16_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8);
}

// What a RIFF wave file says about itself, walking its chunks.
struct Wave {
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint16_t bits = 0;
    std::vector<std::int16_t> samples;
};

Wave readWave(const std::string& bytes) {
    Wave wave;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0 ||
        le32(bytes, 4) + 8 != bytes.size()) {
        return wave;
    }
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = le32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) {
            return Wave{};
        }
        if (id == "fmt ") {
            wave.format = le16(bytes, body);
            wave.channels = le16(bytes, body + 2);
            wave.rate = le32(bytes, body + 4);
            wave.bits = le16(bytes, body + 14);
        } else if (id == "data") {
            wave.samples.resize(size / 2);
            std::memcpy(wave.samples.data(), bytes.data() + body, wave.samples.size() * 2);
        }
        at = body + size + (size & 1);
    }
    return wave;
}

TEST(ShippedFilesTest, defaultSoundsAreShortMonoPcmWavesThatPlayCleanly) {
    struct Case {
        const char* file;
        double shortest;
        double longest;
    };
    for (const Case c : {Case{"alarm.wav", 2.0, 3.0}, Case{"chime.wav", 1.5, 2.0}}) {
        SCOPED_TRACE(c.file);
        const std::string bytes = readBytes(kResources + c.file);
        EXPECT_LT(bytes.size(), 300u * 1024) << "small enough to ship";
        const Wave wave = readWave(bytes);
        EXPECT_EQ(wave.format, 1) << "plain PCM, which every sound device plays";
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.bits, 16);
        EXPECT_TRUE(wave.rate == 22050 || wave.rate == 44100) << wave.rate;
        ASSERT_FALSE(wave.samples.empty());
        const double seconds = double(wave.samples.size()) / wave.rate;
        EXPECT_GE(seconds, c.shortest);
        EXPECT_LE(seconds, c.longest);
        int peak = 0;
        for (const std::int16_t sample : wave.samples) {
            peak = std::max(peak, std::abs(int(sample)));
        }
        EXPECT_GT(peak, 8000) << "audible";
        EXPECT_LT(peak, 32000) << "not clipped";
        EXPECT_LT(std::abs(int(wave.samples.front())), 300) << "starts without a click";
        EXPECT_LT(std::abs(int(wave.samples.back())), 300) << "ends without a click";
    }
}

class ShippedHelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile file(QString::fromStdString(kResources + "almanor.hlp"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        html = QString::fromUtf8(file.readAll());
        document.setHtml(html);
        text = document.toPlainText();
    }
    QString html;
    QTextDocument document;
    QString text;
};

TEST_F(ShippedHelpTest, explainsEveryCaptionOfThePrograms) {
    const char* const captions[] = {
        // calendar window
        "Back A Month",
        "Forward A Month",
        "Today",
        "All",
        "This Note",
        "clear",
        "view",
        "Slide Back",
        "The Current Time",
        "alarm:",
        "Delete All Notes?",
        "No Note Files Were Found To Delete!",
        "Quit Almanor 4?",
        // alarm time dialog
        "Alarm Time",
        "Enter A Time",
        "Ok",
        "Clear",
        "Isn't A Valid Time!",
        "Oops!",
        "This date and time is in the past!",
        "2:00:00 PM",
        "12:30:00 AM",
        // notes overview
        "View All Notes",
        "Copy List To Clipboard As Text",
        "Goto Date Of Selected Note",
        "Close This Window",
        "Delete Selected Notes",
        "A Note Was Not Selected!",
        "Error!",
        "Almanor Notes.",
        "Was Not Found!",
        // tray icon
        "Double Click or Right Click",
        "Options",
        "About",
        "Exit",
        // options window
        "OPTIONS",
        "Apply",
        "Help",
        "Calendar Window Properties",
        "General  Properties",
        "Always On Top",
        "Sliding Speed",
        "Slide Away On Open",
        "Open By Moving Mouse",
        "Enable Alarm",
        "Select Alarm Sound",
        "Hourly Chime",
        "Select Chime Sound",
        "Show Taskbar Icon",
        "Warn About Setting Alarm For Old Date/Time",
        "Delete Notes More Than",
        "Days Old",
        "Open Wav",
        "Audio Wav",
        "Couldn't create file options.cfg!",
        "Settings were not saved!",
        // about window
        "For more information visit -",
        // files
        "YYYYMMDD.dnf",
        "19981205.dnf",
        "dailynotes",
        "options.cfg",
        "alarm.wav",
        "chime.wav",
        "almanor.hlp",
        "30,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"alarm.wav\","
        "\"chime.wav\"",
    };
    for (const char* caption : captions) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(caption))) << caption;
    }
}

TEST_F(ShippedHelpTest, namesEveryShortcutOfTheCalendarWindow) {
    testing::TestProgram t;
    const QList<QShortcut*> shortcuts = t.program().calendarWindow().findChildren<QShortcut*>();
    ASSERT_GE(shortcuts.size(), 12);
    for (const QShortcut* shortcut : shortcuts) {
        const QString keys = shortcut->key().toString(QKeySequence::PortableText);
        EXPECT_TRUE(text.contains(keys)) << keys.toStdString();
    }
}

TEST_F(ShippedHelpTest, everyLinkLeadsToAPlaceInTheFile) {
    std::set<QString> anchors;
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QStringLiteral("<a name=\"([^\"]+)\">")).globalMatch(html)) {
        anchors.insert(m.captured(1));
    }
    int links = 0;
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QStringLiteral("<a href=\"([^\"]*)\">")).globalMatch(html)) {
        ++links;
        const QString target = m.captured(1);
        ASSERT_TRUE(target.startsWith(QLatin1Char('#'))) << "no links out of the help";
        EXPECT_TRUE(anchors.count(target.mid(1)) == 1) << target.toStdString();
    }
    EXPECT_GE(links, 12) << "the contents list links every section";
}

} // namespace
} // namespace almanor
