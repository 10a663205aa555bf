#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QObject;
class QUrl;
class QWidget;

namespace almanor {

// How a message box looks and what it asks: a plain message with OK, a warning with OK, or a
// question with OK and Cancel. A question whose OK deletes has Cancel as its default button, so
// that a stray Enter deletes nothing.
enum class MessageStyle { Plain, Warning, OkCancel, DeleteOkCancel };
enum class Answer { Ok, Cancel };
// The program's name as its message boxes' title.
inline QString appTitle() {
    return QCoreApplication::translate("MessageBox", "Almanor");
}

// Everything that touches the outside world sits behind one of these small interfaces, with
// one Qt implementation each and a fake for tests.

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Modal.
    virtual Answer show(const QString& text, MessageStyle style,
                        const QString& title = appTitle()) = 0;
    // Shows a message that waits for no answer and leaves the keyboard where it is, so that the
    // user's typing goes on into the window it was meant for. A later notice replaces it; an
    // empty text takes it away.
    virtual void notify(const QString& text, MessageStyle style) = 0;
};

// How a sound came to its end: played (or at least given its length to play), or known not to
// play at all (a missing or damaged file, no audio output).
enum class SoundEnd { Played, Unplayable };
using SoundEnded = std::function<void(SoundEnd)>;

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing a wave file and returns at once: the program goes on while it plays.
    // `ended` is called once through `receiver`'s event queue, never from within this call:
    // when the sound has ended, or as soon as it is known not to play, and at the latest when
    // the file's length (and a little more) has gone by. It is dropped when `receiver` is gone
    // by then; an empty `ended` asks for no call.
    virtual void play(const QString& path, QObject* receiver, SoundEnded ended) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0; // local date and time
};

// The primary screen's place on the desktop, which may begin right of or below another one.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual float leftTwips() const = 0;
    virtual float topTwips() const = 0;
    virtual float widthTwips() const = 0;
    virtual float heightTwips() const = 0;
    // Called whenever screens come or go, or the primary one changes size or place.
    virtual void setChangeHandler(std::function<void()> handler) = 0;
};

struct TrayHandlers {
    std::function<void()> leftPress;
    std::function<void()> doubleClick;
    std::function<void(QPoint globalPos)> rightPress;
};

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual bool isAvailable() const = 0; // the desktop has a notification area
    // False for notification areas that only report single clicks (the StatusNotifierItem
    // ones of KDE Plasma, GNOME's extension and many panels).
    virtual bool reportsDoubleClicks() const = 0;
    virtual void setHandlers(TrayHandlers handlers) = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;
    // A balloon message from the icon, which the desktop takes away after a while.
    virtual void showMessage(const QString& text) = 0;
};

class WebBrowser {
public:
    virtual ~WebBrowser() = default;
    virtual bool open(const QUrl& url) = 0;
};

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the help file at its contents; false when it cannot be read, with `whyNot` set to
    // the reason for the user ("it is not a regular file").
    virtual bool showContents(const QString& path, QString& whyNot) = 0;
};

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // A file-open dialog whose chosen file must exist, showing `startFolder` first; nothing
    // when cancelled.
    virtual std::optional<QString> openExistingFile(QWidget* parent, const QString& title,
                                                    const QString& filterName,
                                                    const QString& pattern,
                                                    const QString& startFolder) = 0;
};

// A message for the desktop's notification service.
struct DesktopNotice {
    QString summary;
    QString body;
    // The buttons it offers, each a key and its label; an answer names the key.
    std::vector<std::pair<QString, QString>> actions;
};
using NoticeAnswered = std::function<void(const QString& key)>;

class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    // Sends an urgent notice marked as the program's, in place of the one sent before, and
    // returns at once. `answered` is called through the event loop with the key of the action
    // the user chose, once; never when no notification service runs (the notice goes nowhere).
    virtual void send(const DesktopNotice& notice, NoticeAnswered answered) = 0;
    // Takes the notice away when it was answered elsewhere; no answer comes for it any more.
    virtual void withdraw() = 0;
};

// The desktop's trash (the freedesktop.org trash, the Windows Recycle Bin), from which the file
// manager can bring a file back.
class Trash {
public:
    virtual ~Trash() = default;
    // Moves a file to the trash and gives the path it has there; nothing when the trash cannot
    // take it (a file system without a trash folder, no permission), the file staying put.
    virtual std::optional<QString> moveToTrash(const QString& path) = 0;
    // Puts a file the trash took back at `path`, which must be free, and takes the trash's record
    // of it away; false when it cannot.
    virtual bool restore(const QString& pathInTrash, const QString& path) = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Ends the process at once: nothing is written and no window's close handling runs (what
    // the user typed is saved already). Only the clean-up runs first. The session's requests to
    // end (SIGTERM, SIGINT, SIGHUP) end the program this way too.
    virtual void endNow() = 0;
    // What must not outlive the process, such as the single-instance lock and channel.
    virtual void setCleanUp(std::function<void()> cleanUp) = 0;
};

struct Platform {
    MessageBoxService& messageBox;
    SoundPlayer& sound;
    Clock& clock;
    ScreenMetrics& screen;
    TrayIcon& tray;
    WebBrowser& browser;
    HelpViewer& help;
    FileDialog& fileDialog;
    ProgramEnd& programEnd;
    DesktopNotifier& notifier;
    Trash& trash;
};

} // namespace almanor
