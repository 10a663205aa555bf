#pragma once

#include "platform/platform.h"

#include <QPointer>
#include <memory>

class QSystemTrayIcon;
class QTextBrowser;

namespace almanor {

class QtMessageBox final : public MessageBoxService {
public:
    int show(const QString& text, int style, const QString& title) override;
};

class QtSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& path, QObject* receiver, SoundEnded ended) override;

private:
    QObject sounds_; // the sounds playing: they end, silently, with the player
};

class QtClock final : public Clock {
public:
    QDateTime now() const override;
};

class QtScreenMetrics final : public ScreenMetrics {
public:
    QtScreenMetrics();
    float leftTwips() const override;
    float topTwips() const override;
    float widthTwips() const override;
    float heightTwips() const override;
    void setChangeHandler(std::function<void()> handler) override;

private:
    void followPrimaryScreen();

    std::function<void()> handler_;
    QObject watcher_; // the screen connections' context
    QMetaObject::Connection primaryMoved_;
};

class QtTrayIcon final : public TrayIcon {
public:
    QtTrayIcon();
    ~QtTrayIcon() override;
    bool isAvailable() const override;
    bool reportsDoubleClicks() const override;
    void setHandlers(TrayHandlers handlers) override;
    void show() override;
    void hide() override;
    bool isShown() const override;

private:
    std::unique_ptr<QSystemTrayIcon> icon_;
    TrayHandlers handlers_;
};

class QtWebBrowser final : public WebBrowser {
public:
    bool open(const QUrl& url) override;
};

class QtHelpViewer final : public HelpViewer {
public:
    ~QtHelpViewer() override;
    bool showContents(const QString& path) override;

private:
    QPointer<QTextBrowser> window_;
};

class QtFileDialog final : public FileDialog {
public:
    std::optional<QString> openExistingFile(QWidget* parent, const QString& title,
                                            const QString& filterName,
                                            const QString& pattern) override;
};

class QtProgramEnd final : public ProgramEnd {
public:
    explicit QtProgramEnd(TrayIcon& tray) : tray_(tray) {}
    void endNow() override;

private:
    TrayIcon& tray_;
};

} // namespace almanor
