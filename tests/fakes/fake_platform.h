#pragma once

#include "platform/platform.h"

#include <QDateTime>
#include <QStringList>
#include <deque>
#include <memory>
#include <vector>

namespace almanor::testing {

struct ShownMessage {
    QString text;
    int style = 0;
    QString title;
};

// Answers from a script (OK when the script is empty) and records what was asked.
class FakeMessageBox final : public MessageBoxService {
public:
    int show(const QString& text, int style, const QString& title) override {
        shown.push_back({text, style, title});
        if (onShow) {
            onShow();
        }
        if (answers.empty()) {
            return msg::Ok;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<ShownMessage> shown;
    std::deque<int> answers;
    std::function<void()> onShow; // e.g. to let time pass while the box is open
};

class FakeClock final : public Clock {
public:
    QDateTime now() const override { return current; }
    void advanceSeconds(qint64 seconds) { current = current.addSecs(seconds); }
    QDateTime current{QDate(2026, 12, 6), QTime(9, 30, 0)};
};

// Records what was played; playing can take time on the fake clock.
class FakeSound final : public SoundPlayer {
public:
    explicit FakeSound(FakeClock& clock) : clock_(clock) {}
    void playToEnd(const QString& path) override {
        played.push_back(path);
        clock_.advanceSeconds(secondsPerSound);
    }
    QStringList played;
    qint64 secondsPerSound = 0;

private:
    FakeClock& clock_;
};

class FakeScreen final : public ScreenMetrics {
public:
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

class FakeTray final : public TrayIcon {
public:
    bool isAvailable() const override { return available; }
    bool reportsDoubleClicks() const override { return doubleClicks; }
    void setHandlers(TrayHandlers h) override { handlers = std::move(h); }
    void show() override {
        shown = true;
        ++showCalls;
    }
    void hide() override { shown = false; }
    bool isShown() const override { return shown; }
    bool available = true;
    bool doubleClicks = true;
    bool shown = false;
    int showCalls = 0;
    TrayHandlers handlers;
};

class FakeBrowser final : public WebBrowser {
public:
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return succeeds;
    }
    std::vector<QUrl> opened;
    bool succeeds = true;
};

class FakeHelpViewer final : public HelpViewer {
public:
    bool showContents(const QString& path) override;
    QStringList shownPaths;
};

class FakeFileDialog final : public FileDialog {
public:
    std::optional<QString> openExistingFile(QWidget*, const QString& title,
                                            const QString& filterName,
                                            const QString& pattern) override {
        asked.push_back({title, filterName + "|" + pattern});
        return answer;
    }
    struct Asked {
        QString title;
        QString filter;
    };
    std::vector<Asked> asked;
    std::optional<QString> answer;
};

class FakeProgramEnd final : public ProgramEnd {
public:
    void endNow() override { ++endCalls; }
    int endCalls = 0;
};

// All fakes together, as the program sees them.
class FakePlatform {
public:
    FakeMessageBox messageBox;
    FakeClock clock;
    FakeSound sound{clock};
    FakeScreen screen;
    FakeTray tray;
    FakeBrowser browser;
    FakeHelpViewer help;
    FakeFileDialog fileDialog;
    FakeProgramEnd programEnd;
    Platform platform{messageBox, sound, clock,      screen,    tray,
                      browser,    help,  fileDialog, programEnd};
};

} // namespace almanor::testing
