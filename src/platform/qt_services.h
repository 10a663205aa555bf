#pragma once

#include "platform/platform.h"

#include <QCoreApplication>
#include <QPointer>
#include <memory>

class QMessageBox;
class QSocketNotifier;
class QSystemTrayIcon;
class QTextBrowser;

namespace almanor {

class QtMessageBox final : public MessageBoxService {
public:
    ~QtMessageBox() override;
    Answer show(const QString& text, MessageStyle style, const QString& title) override;
    void notify(const QString& text, MessageStyle style) override;

private:
    QPointer<QMessageBox> notice_;
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

private:
    // Each look-up of the local zone reads the zone file's state from disk, so the offset is
    // kept until the zone's next change of offset, and looked up again at least hourly for a
    // zone the user changed.
    mutable QDateTime offsetFrom_;
    mutable QDateTime offsetUntil_;
    mutable int offsetSeconds_ = 0;
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
    Q_DECLARE_TR_FUNCTIONS(QtTrayIcon)

public:
    QtTrayIcon();
    ~QtTrayIcon() override;
    bool isAvailable() const override;
    bool reportsDoubleClicks() const override;
    void setHandlers(TrayHandlers handlers) override;
    void show() override;
    void hide() override;
    bool isShown() const override;
    void showMessage(const QString& text) override;

private:
    std::unique_ptr<QSystemTrayIcon> icon_;
    TrayHandlers handlers_;
};

class QtWebBrowser final : public WebBrowser {
public:
    bool open(const QUrl& url) override;
};

class QtHelpViewer final : public HelpViewer {
    Q_DECLARE_TR_FUNCTIONS(QtHelpViewer)

public:
    ~QtHelpViewer() override;
    bool showContents(const QString& path, QString& whyNot) override;

private:
    QPointer<QTextBrowser> window_;
};

class QtFileDialog final : public FileDialog {
public:
    std::optional<QString> openExistingFile(QWidget* parent, const QString& title,
                                            const QString& filterName, const QString& pattern,
                                            const QString& startFolder) override;
};

// Speaks to org.freedesktop.Notifications on the session bus, where there is one.
class QtDesktopNotifier final : public QObject, public DesktopNotifier {
    Q_OBJECT

public:
    QtDesktopNotifier();
    void send(const DesktopNotice& notice, NoticeAnswered answered) override;
    void withdraw() override;

private slots:
    void actionInvoked(uint id, const QString& key);
    void notificationClosed(uint id, uint reason);

private:
    void close(uint id);

    uint shown_ = 0;       // the service's number of the notice out there
    bool waiting_ = false; // a notice was sent and its number has not come back yet
    NoticeAnswered answered_;
};

class QtTrash final : public Trash {
public:
    std::optional<QString> moveToTrash(const QString& path) override;
    bool restore(const QString& pathInTrash, const QString& path) override;
};

class QtProgramEnd final : public ProgramEnd {
public:
    explicit QtProgramEnd(TrayIcon& tray);
    ~QtProgramEnd() override;
    Q_DISABLE_COPY_MOVE(QtProgramEnd)
    void endNow() override;
    void setCleanUp(std::function<void()> cleanUp) override { cleanUp_ = std::move(cleanUp); }

private:
    TrayIcon& tray_;
    std::function<void()> cleanUp_;
    std::unique_ptr<QSocketNotifier> endRequests_;
};

} // namespace almanor
