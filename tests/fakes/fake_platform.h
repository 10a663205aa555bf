#pragma once

#include "platform/platform.h"
#include "platform/sound_files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <utility>
#include <vector>

namespace almanor::testing {

struct ShownMessage {
    QString text;
    MessageStyle style = MessageStyle::Plain;
    QString title = appTitle();
    bool operator==(const ShownMessage&) const = default;
};
using Told = std::vector<ShownMessage>;

// Answers from a script (OK when the script is empty) and records what was asked.
struct FakeMessageBox final : MessageBoxService {
    Answer show(const QString& text, MessageStyle style, const QString& title) override {
        shown.push_back({text, style, title});
        if (onShow) {
            onShow();
        }
        const Answer answer = answers.empty() ? Answer::Ok : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    void notify(const QString& text, MessageStyle) override { notices.push_back(text); }
    std::vector<ShownMessage> shown;
    QStringList notices; // an empty one took the last away
    std::deque<Answer> answers;
    std::function<void()> onShow; // e.g. to let time pass while the box is open
};

struct FakeClock final : Clock {
    QDateTime now() const override {
        ++reads;
        return current;
    }
    QDateTime current{QDate(2026, 12, 6), QTime(9, 30, 0)};
    mutable int reads = 0; // each read may cost the system a look at the time zone
};

// Records what was played. A sound ends through the event loop, `secondsPerSound` later on the
// fake clock, as soon as the loop runs; while `holding`, it plays until the test calls end().
struct FakeSound final : SoundPlayer {
    explicit FakeSound(FakeClock& clockToAdvance) : clock(clockToAdvance) {}
    void play(const QString& path, QObject* receiver, SoundEnded ended) override {
        played.push_back(path);
        playing.push_back({receiver, std::move(ended)});
        if (!holding) {
            end();
        }
    }
    void end() {
        clock.current = clock.current.addSecs(secondsPerSound);
        for (auto& [receiver, ended] : std::exchange(playing, {})) {
            endSoundLater(receiver, std::move(ended), ending);
        }
    }
    FakeClock& clock;
    QStringList played;
    std::vector<std::pair<QObject*, SoundEnded>> playing;
    qint64 secondsPerSound = 0;
    bool holding = false;
    SoundEnd ending = SoundEnd::Played;
};

struct FakeScreen final : ScreenMetrics {
    float leftTwips() const override { return left; }
    float topTwips() const override { return top; }
    float widthTwips() const override { return width; }
    float heightTwips() const override { return height; }
    void setChangeHandler(std::function<void()> handler) override { changed = std::move(handler); }
    float left = 0;
    float top = 0;
    float width = 1920 * 15.0f;
    float height = 1080 * 15.0f;
    std::function<void()> changed;
};

struct FakeTray final : TrayIcon {
    bool isAvailable() const override { return available; }
    bool reportsDoubleClicks() const override { return doubleClicks; }
    void setHandlers(TrayHandlers h) override { handlers = std::move(h); }
    void show() override { shown = true; }
    void hide() override { shown = false; }
    bool isShown() const override { return shown; }
    void showMessage(const QString& text) override { messages << text; }
    bool available = true;
    QStringList messages;
    bool doubleClicks = true;
    bool shown = false;
    TrayHandlers handlers;
};

struct FakeBrowser final : WebBrowser {
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return succeeds;
    }
    std::vector<QUrl> opened;
    bool succeeds = true;
};

// Succeeds when the help file can be read.
struct FakeHelpViewer final : HelpViewer {
    bool showContents(const QString& path, QString& whyNot) override {
        shownPaths.push_back(path);
        whyNot = QFileInfo(path).isReadable() ? QString() : QStringLiteral("it is unreadable");
        return whyNot.isEmpty();
    }
    QStringList shownPaths;
};

// Records the title and "name|pattern" of each question and gives `answer`.
struct FakeFileDialog final : FileDialog {
    std::optional<QString> openExistingFile(QWidget*, const QString& title, const QString& name,
                                            const QString& pattern,
                                            const QString& folder) override {
        asked << title << name + QLatin1Char('|') + pattern << folder;
        return answer;
    }
    QStringList asked;
    std::optional<QString> answer;
};

struct FakeProgramEnd final : ProgramEnd {
    void endNow() override { ++endCalls; }
    void setCleanUp(std::function<void()>) override {}
    int endCalls = 0;
};

struct FakeNotifier final : DesktopNotifier {
    void send(const DesktopNotice& notice, NoticeAnswered onAnswer) override {
        sent.push_back(notice);
        answered = std::move(onAnswer);
    }
    void withdraw() override {
        ++withdrawals;
        answered = nullptr;
    }
    void answer(const QString& key) { std::exchange(answered, nullptr)(key); }
    std::vector<DesktopNotice> sent;
    NoticeAnswered answered;
    int withdrawals = 0;
};

// Moves what it takes into a folder of its own; takes nothing while `refuses`.
struct FakeTrash final : Trash {
    std::optional<QString> moveToTrash(const QString& path) override {
        const QString inTrash = folder.filePath(QString::number(++moves));
        if (refuses || !QFile::rename(path, inTrash)) {
            return std::nullopt;
        }
        return inTrash;
    }
    bool restore(const QString& pathInTrash, const QString& path) override {
        return QFile::rename(pathInTrash, path);
    }
    QStringList held() const { return QDir(folder.path()).entryList(QDir::Files); }
    QTemporaryDir folder;
    int moves = 0;
    bool refuses = false;
};

// All fakes together, as the program sees them.
struct FakePlatform {
    FakeMessageBox messageBox;
    FakeClock clock;
    FakeSound sound{clock};
    FakeScreen screen;
    FakeTray tray;
    FakeBrowser browser;
    FakeHelpViewer help;
    FakeFileDialog fileDialog;
    FakeProgramEnd programEnd;
    FakeNotifier notifier;
    FakeTrash trash;
    Platform platform{messageBox, sound,      clock,      screen,   tray, browser,
                      help,       fileDialog, programEnd, notifier, trash};
};

} // namespace almanor::testing
