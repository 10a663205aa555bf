#include "calendar/calendar_window.h"

#include "alarm/time_dialog.h"
#include "calendar/calendar_face.h"
#include "calendar/calendar_layout.h"
#include "calendar/hotspot.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "calendar/note_glance.h"
#include "calendar/weeks.h"
#include "common/twips.h"
#include "notes/note_book.h"
#include "notes/note_messages.h"
#include "notes/note_record.h"
#include "notes/shown_note_file.h"
#include "platform/artwork.h"
#include "platform/twips_rect.h"

#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace almanor {

namespace {

namespace layout = calendar_layout;

// Interval of the slide timers: about one frame, so each step can be seen.
constexpr int kSlideIntervalMs = 15;

// After a failed save the note is saved again this often until the disk takes it.
constexpr int kSaveRetryMs = 2000;
// Long enough to read "Note deleted – Ctrl+Z brings it back" once.
constexpr int kDeletedNoticeMs = 5000;

// Captions are not shrunk below this; past it a caption is clipped rather than unreadable.
constexpr int kSmallestCaptionPixels = 7;

constexpr QKeyCombination kPreviousNoteDayKeys = Qt::ALT | Qt::Key_PageUp;
constexpr QKeyCombination kNextNoteDayKeys = Qt::ALT | Qt::Key_PageDown;
constexpr QKeyCombination kSearchKeys = Qt::CTRL | Qt::Key_F;
constexpr QKeyCombination kOnThisDayKeys = Qt::CTRL | Qt::SHIFT | Qt::Key_H;

QString keysText(const QKeySequence& keys) {
    return keys.toString(QKeySequence::NativeText);
}

// `more`, when given, tells related commands that have only keys.
QString withShortcut(const QString& tip, const QKeySequence& keys, const QString& more = {}) {
    const QString withKeys = CalendarWindow::tr("%1\nShortcut: %2").arg(tip, keysText(keys));
    return more.isEmpty() ? withKeys : withKeys + QLatin1Char('\n') + more;
}

} // namespace

CalendarWindow::CalendarWindow(NoteBook& notes, const Settings& settings, Platform& platform,
                               QString appFolder)
    : QWidget(nullptr), notes_(notes), settings_(settings), platform_(platform),
      appFolder_(std::move(appFolder)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(tr("Almanor"));
    setWindowIcon(appIcon()); // the taskbar and the window switcher show it
    setAccessibleName(tr("Almanor"));
    setFixedSize(twipsRect(layout::kWindow).size());
    buildControls();
    addShortcuts();
    notes_.setWindowTexts([this] {
        return WindowTexts{noteBox_->noteText(), alarmField_->text()};
    });
    // Queued: the change may be found by a save inside the note field's own edit.
    connect(&notes_.shownFile(), &ShownNoteFile::changedOutside, this,
            &CalendarWindow::showNoteChangedOutside, Qt::QueuedConnection);
    // Children with names, so that tests can find them and let them tick.
    slideAwayTimer_ = new QTimer(this);
    slideAwayTimer_->setObjectName(QStringLiteral("slideAway"));
    slideOutTimer_ = new QTimer(this);
    slideOutTimer_->setObjectName(QStringLiteral("slideOut"));
    slideAwayTimer_->setInterval(kSlideIntervalMs);
    slideOutTimer_->setInterval(kSlideIntervalMs);
    connect(slideAwayTimer_, &QTimer::timeout, this, &CalendarWindow::slideAwayTick);
    connect(slideOutTimer_, &QTimer::timeout, this, &CalendarWindow::slideOutTick);
    saveRetry_ = new QTimer(this);
    saveRetry_->setObjectName(QStringLiteral("saveRetry"));
    saveRetry_->setInterval(kSaveRetryMs);
    connect(saveRetry_, &QTimer::timeout, this, &CalendarWindow::saveNote);
    deletedNotice_ = new QTimer(this);
    deletedNotice_->setObjectName(QStringLiteral("deletedNotice"));
    deletedNotice_->setSingleShot(true);
    deletedNotice_->setInterval(kDeletedNoticeMs);
    connect(deletedNotice_, &QTimer::timeout, this, [this] {
        if (!noteIsLocked()) {
            noteBox_->setPlaceholderText(QString());
        }
    });
    connect(&notes_, &NoteBook::notesRemoved, this, &CalendarWindow::notesRemoved);
    // Other versions of notes are found by the look at the folder behind the window.
    connect(&notes_, &NoteBook::listRead, this, &CalendarWindow::markDaysFromList);
}

CalendarWindow::~CalendarWindow() {
    platform_.screen.setChangeHandler({});
}

// The controls are made in the order Tab takes them, which is the reading order: the left column
// (the scope, the alarm field), the calendar right of it, then the note below both.
void CalendarWindow::buildControls() {
    allOption_ = new QRadioButton(tr("All"), this);
    thisNoteOption_ = new QRadioButton(tr("This Note"), this);
    allOption_->setObjectName(QStringLiteral("allNotes"));
    thisNoteOption_->setObjectName(QStringLiteral("thisNote"));
    allOption_->setGeometry(twipsRect(layout::kAllOption));
    thisNoteOption_->setGeometry(twipsRect(layout::kThisNoteOption));
    // The two buttons share a narrow band; their captions, after the style's round mark, must
    // fit it whole, whatever the desktop's font.
    QFont optionFont =
        fittedFont(Lettering::Sans, QFont::Normal, 12, tr("This Note"), thisNoteOption_->width());
    for (QRadioButton* option : {allOption_, thisNoteOption_}) {
        option->setStyleSheet(
            QStringLiteral("QRadioButton { color: white; background-color: rgb(128, 128, 128); }"));
    }
    const auto captionsFit = [this] {
        return allOption_->sizeHint().width() <= allOption_->width() &&
               thisNoteOption_->sizeHint().width() <= thisNoteOption_->width();
    };
    do {
        allOption_->setFont(optionFont);
        thisNoteOption_->setFont(optionFont);
        optionFont.setPixelSize(optionFont.pixelSize() - 1);
    } while (!captionsFit() && optionFont.pixelSize() >= kSmallestCaptionPixels);
    thisNoteOption_->setChecked(true);
    connect(allOption_, &QRadioButton::clicked, this, [this] { setAllNotesScope(true); });
    connect(thisNoteOption_, &QRadioButton::clicked, this, [this] { setAllNotesScope(false); });

    alarmField_ = new QLineEdit(this);
    alarmField_->setObjectName(QStringLiteral("alarmField"));
    alarmField_->setGeometry(twipsRect(layout::kAlarmField));
    alarmField_->setAccessibleName(tr("Alarm time"));
    alarmField_->setToolTip(tr("Click to set the alarm time"));
    alarmField_->setAccessibleDescription(
        tr("Press Return or Space, or click, to set the alarm time"));
    alarmField_->installEventFilter(this);
    // Only Tab gives it the keyboard: after a click the keyboard stays where the user types.
    alarmField_->setFocusPolicy(Qt::TabFocus);
    // Only the alarm time dialog sets the alarm: typed, pasted or dropped text would be saved
    // as the alarm unchecked and could silently disarm today's alarm.
    alarmField_->setReadOnly(true);
    alarmField_->setAcceptDrops(false);
    alarmField_->setContextMenuPolicy(Qt::NoContextMenu);
    alarmField_->setTextMargins(0, 0, 0, 0);
    alarmField_->setFont(fittedFont(Lettering::Sans, QFont::Normal, 12,
                                    QStringLiteral("12:59:59 PM"), alarmField_->width() - 6));
    connect(alarmField_, &QLineEdit::textChanged, this, &CalendarWindow::onAlarmFieldChanged);

    calendar_ = new MonthCalendar(this);
    calendar_->setObjectName(QStringLiteral("calendar"));
    calendar_->setGeometry(twipsRect(layout::kCalendar));
    connect(calendar_, &MonthCalendar::dateChange, this, &CalendarWindow::onDateChange);
    calendar_->setDayTip([this](const Date& day) { return noteGlanceTip(day); });

    noteBox_ = new NoteEdit(this);
    noteBox_->setGeometry(twipsRect(layout::kNoteBox));
    noteBox_->setAccessibleName(tr("Note"));
    QPalette notePalette = noteBox_->palette();
    notePalette.setColor(QPalette::Base, QColor(224, 224, 224));
    notePalette.setColor(QPalette::Text, Qt::black);
    noteBox_->setPalette(notePalette);
    connect(noteBox_, &NoteEdit::noteChanged, this, &CalendarWindow::onNoteChanged);
    noteBox_->viewport()->installEventFilter(this);
    noteBox_->installEventFilter(this);

    // Over the note's last line, while the day has another version of its note.
    keepBoth_ = new QPushButton(tr("Another version of this note exists: Keep both"), this);
    keepBoth_->setObjectName(QStringLiteral("keepBoth"));
    const QRect noteRect = twipsRect(layout::kNoteBox);
    keepBoth_->setGeometry(noteRect.left(), noteRect.bottom() - noteRect.height() / 5,
                           noteRect.width(), noteRect.height() / 5);
    keepBoth_->hide();
    connect(keepBoth_, &QPushButton::clicked, this, &CalendarWindow::keepBothVersions);

    clockLabel_ = new QLabel(this);
    clockLabel_->setObjectName(QStringLiteral("clock"));
    clockLabel_->setGeometry(twipsRect(layout::kClock));
    clockLabel_->setAlignment(Qt::AlignCenter);
    clockLabel_->setToolTip(tr("The Current Time"));
    clockLabel_->setAttribute(Qt::WA_TranslucentBackground);
    // Arial where the desktop has it; the widest time must still fit the label.
    QFont clockFont = fittedFont(Lettering::Sans, QFont::Bold, 12, clockText(TimeOfDay{12, 59, 59}),
                                 clockLabel_->width());
    clockLabel_->setFont(clockFont);
    clockLabel_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    struct Spot {
        TwipsBox place;
        const char* name;
        const char* tip;
        QKeySequence keys;
        void (CalendarWindow::*command)();
        QString more = {}; // the keys of commands that have no hotspot
    };
    const Spot spots[] = {
        {layout::kBackSpot, QT_TR_NOOP("Back a month"), QT_TR_NOOP("Back A Month"),
         QKeySequence(Qt::CTRL | Qt::Key_PageUp), &CalendarWindow::backAMonth},
        {layout::kTodaySpot, QT_TR_NOOP("Today"), QT_TR_NOOP("Today"),
         QKeySequence(Qt::CTRL | Qt::Key_T), &CalendarWindow::goToToday},
        {layout::kForwardSpot, QT_TR_NOOP("Forward a month"), QT_TR_NOOP("Forward A Month"),
         QKeySequence(Qt::CTRL | Qt::Key_PageDown), &CalendarWindow::forwardAMonth},
        {layout::kClearSpot, QT_TR_NOOP("Clear"), nullptr,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), &CalendarWindow::deleteNotes},
        {layout::kViewSpot, QT_TR_NOOP("View"), nullptr, QKeySequence(Qt::CTRL | Qt::Key_L),
         &CalendarWindow::view,
         tr("Search: %1\nOn this day: %2").arg(keysText(kSearchKeys), keysText(kOnThisDayKeys))},
        {layout::kHelpSpot, QT_TR_NOOP("Help"), nullptr, QKeySequence(Qt::Key_F1),
         &CalendarWindow::help},
        {layout::kQuitSpot, QT_TR_NOOP("Quit"), nullptr, QKeySequence(Qt::CTRL | Qt::Key_Q),
         &CalendarWindow::quit},
        {layout::kAboutSpot, QT_TR_NOOP("About"), QT_TR_NOOP("About"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), &CalendarWindow::aboutRequested},
        {layout::kOptionsSpot, QT_TR_NOOP("Options"), nullptr, QKeySequence(Qt::CTRL | Qt::Key_O),
         &CalendarWindow::optionsRequested},
        {layout::kCloseSpot, QT_TR_NOOP("Slide away"), QT_TR_NOOP("Slide Back "),
         QKeySequence(Qt::Key_Escape), &CalendarWindow::startSlideAway},
    };
    for (const Spot& spot : spots) {
        auto* hotspot = new Hotspot(tr(spot.name), this);
        hotspot->setGeometry(twipsRect(spot.place));
        const QString tip = tr(spot.tip != nullptr ? spot.tip : spot.name);
        hotspot->setToolTip(withShortcut(tip, spot.keys, spot.more));
        hotspot->setAccessibleDescription(keysText(spot.keys));
        connect(hotspot, &Hotspot::clicked, this, spot.command);
        auto* shortcut = new QShortcut(spot.keys, this);
        connect(shortcut, &QShortcut::activated, this, spot.command);
    }

    edgeStrip_ = new Hotspot(tr("Open"), this);
    edgeStrip_->setGeometry(twipsRect(layout::kEdgeStrip));
    edgeStrip_->setCursor(Qt::ArrowCursor);
    connect(edgeStrip_, &Hotspot::mouseMoved, this, &CalendarWindow::edgeStripTouched);
}

void CalendarWindow::addShortcuts() {
    auto* all = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_A), this);
    connect(all, &QShortcut::activated, this, [this] {
        allOption_->setChecked(true);
        setAllNotesScope(true);
    });
    auto* thisNote = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_N), this);
    connect(thisNote, &QShortcut::activated, this, [this] {
        thisNoteOption_->setChecked(true);
        setAllNotesScope(false);
    });
    const auto onKeys = [this](QKeyCombination keys, const auto& command) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, command);
    };
    onKeys(kPreviousNoteDayKeys, [this] { goToNoteDay(false); });
    onKeys(kNextNoteDayKeys, [this] { goToNoteDay(true); });
    onKeys(kSearchKeys, &CalendarWindow::searchRequested);
    onKeys(kOnThisDayKeys, &CalendarWindow::onThisDayRequested);
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this,
            &CalendarWindow::undoDelete);
    allOption_->setToolTip(withShortcut(tr("Clear and View act on all notes"), all->key()));
    thisNoteOption_->setToolTip(
        withShortcut(tr("Clear and View act on the selected day's note"), thisNote->key()));
}

void CalendarWindow::dockAndShowToday() {
    allNotesScope_ = false;
    dockToScreen(false);
    platform_.screen.setChangeHandler([this] { dockToScreen(isParkedAtTheOldEdge()); });
    noteBox_->setNoteText(QString());
    calendar_->setToday(today());
    calendar_->setValue(today());
}

Date CalendarWindow::today() const {
    const QDate now = platform_.clock.now().date();
    return Date{now.year(), now.month(), now.day()};
}

void CalendarWindow::showDay(const Date& day) {
    calendar_->setValue(day);
}

void CalendarWindow::showTime(const QString& time) {
    clockLabel_->setText(time);
}

void CalendarWindow::setToday(const Date& day) {
    calendar_->setToday(day);
}

Date CalendarWindow::selectedDate() const {
    Date date = calendar_->value();
    date.year = calendar_->year();
    return date;
}

void CalendarWindow::onDateChange() {
    // A note file's name and date field hold a four-digit year. The write raises the change
    // that shows the day put back.
    if (calendar_->year() < kFirstYear) {
        calendar_->setYear(kFirstYear);
        return;
    }
    if (calendar_->year() > kLastYear) {
        calendar_->setYear(kLastYear);
        return;
    }
    // The shown month's files, not the whole folder: a date change costs the same with ten
    // notes or decades of them.
    reloadDay();
    emit dayChanged(selectedDate());
}

QString CalendarWindow::noteGlanceTip(const Date& day) const {
    // From the list, as far as it has been read: a pointer passing over the days reads no file.
    const NoteList& list = notes_.list();
    const std::optional<std::size_t> row = list.find(noteFileNumber(noteFileName(day)));
    if (!row) {
        return {};
    }
    const NoteGlance glance = glanceAt(list[*row].line);
    const QString alarm = QString::fromStdString(glance.alarm);
    const QString text = QString::fromStdString(glance.firstLine);
    if (alarm.isEmpty() || text.isEmpty()) {
        return alarm + text;
    }
    return tr("%1 \u2014 %2").arg(alarm, text);
}

void CalendarWindow::reloadDay() {
    markDaysFromList();
    loadNote();
}

void CalendarWindow::loadNote() {
    if (saveRetry_->isActive()) {
        saveNote(); // a last chance for the text the disk refused before another note replaces it
        saveRetry_->stop();
    }
    const ShownNote note = notes_.shownFile().load(selectedDate());
    switch (note.status) {
    case LoadResult::Status::Loaded:
        if (note.text.size() > NoteEdit::kLongestNoteShown) {
            // Laying out megabytes in the note field would freeze the program; such a file
            // was not written here, so it is shown as one that cannot be edited, untouched.
            showUnreadableNote(
                tr("its note has %1 characters, too many to show here").arg(note.text.size()));
        } else {
            showLoadedNote(note.text, note.alarm);
        }
        break;
    case LoadResult::Status::NoFile:
        showLoadedNote(QString(), QString());
        break;
    case LoadResult::Status::Unreadable:
        showUnreadableNote(note.reason);
        break;
    }
    offerKeepBoth();
}

void CalendarWindow::offerKeepBoth() {
    keepBoth_->setVisible(
        std::ranges::any_of(monthCopies_, [day = selectedDate()](const ConflictCopy& copy) {
            return copy.day == day;
        }));
}

void CalendarWindow::saveNote() {
    if (noteIsLocked()) {
        return; // never write over a note file that could not be read
    }
    reportSaveResult(notes_.shownFile().save(noteBox_->noteText(), alarmField_->text()));
}

void CalendarWindow::showNoteChangedOutside(const QString& message) {
    reloadDay();
    if (!message.isEmpty()) {
        platform_.messageBox.show(message, MessageStyle::Warning);
        noteBox_->setFocus();
        noteBox_->moveCursor(QTextCursor::End); // the user's own text comes last
    }
}

void CalendarWindow::notesRemoved(const std::vector<Date>& days) {
    markDaysFromList();
    // The user's delete leaves an unreadable file gone too, so the fields work again.
    if (std::ranges::find(days, selectedDate()) != days.end()) {
        loadNote();
    }
}

void CalendarWindow::markDaysFromList() {
    DayMarks marks = notes_.marks(calendar_->year(), calendar_->month());
    monthCopies_ = notes_.conflictCopies(calendar_->year(), calendar_->month());
    for (const ConflictCopy& copy : monthCopies_) {
        marks.set(static_cast<std::size_t>(copy.day.day));
    }
    for (int day = 1; day <= 31; ++day) {
        calendar_->setDayMark(day, marks[static_cast<std::size_t>(day)]);
    }
    calendar_->refreshMarks();
    offerKeepBoth();
}

void CalendarWindow::onNoteChanged() {
    if (!fillingFields_) {
        saveNote();
    }
}

void CalendarWindow::onAlarmFieldChanged() {
    const QString text = alarmField_->text();
    if (text == lastAlarmText_) {
        return;
    }
    lastAlarmText_ = text;
    if (!fillingFields_) {
        saveNote();
    }
}

void CalendarWindow::showLoadedNote(const QString& text, const QString& alarm) {
    fillingFields_ = true;
    lockReason_.reset();
    noteBox_->setReadOnly(false);
    alarmField_->setEnabled(true);
    noteBox_->setPlaceholderText(QString());
    noteBox_->setToolTip(QString());
    alarmField_->setText(alarm);
    noteBox_->setNoteText(text);
    fillingFields_ = false;
}

void CalendarWindow::showUnreadableNote(const QString& reason) {
    showLoadedNote(QString(), QString());
    lockReason_ = reason;
    noteBox_->setReadOnly(true);
    alarmField_->setEnabled(false);
    const QString message =
        tr("This day's note file cannot be read, so it is left untouched: %1").arg(reason);
    noteBox_->setPlaceholderText(message);
    noteBox_->setToolTip(message);
}

void CalendarWindow::reportSaveResult(const FileResult& result) {
    if (result) {
        if (saveFailureShown_) {
            platform_.messageBox.notify(QString(), MessageStyle::Plain);
        }
        saveFailureShown_ = false;
        saveRetry_->stop();
        noteBox_->setToolTip(QString());
        return;
    }
    const QString message =
        noteSaveFailureText(notes_.shownFile().day(), result) +
        tr(" Your text is still in the window and will be saved as soon as the disk accepts it.");
    noteBox_->setToolTip(message);
    // The user may stop typing before the disk has room again: the text is saved without
    // waiting for another keystroke.
    saveRetry_->start();
    if (!saveFailureShown_) {
        saveFailureShown_ = true; // once per failure spell, not at every keystroke
        // A notice, not a question: keys typed while it shows still go into the note.
        platform_.messageBox.notify(message, MessageStyle::Warning);
    }
}

void CalendarWindow::backAMonth() {
    if (calendar_->month() > 1) {
        calendar_->setMonth(calendar_->month() - 1);
    } else {
        calendar_->setYear(calendar_->year() - 1);
        calendar_->setMonth(12);
    }
}

void CalendarWindow::forwardAMonth() {
    if (calendar_->month() < 12) {
        calendar_->setMonth(calendar_->month() + 1);
    } else if (calendar_->year() >= kLastYear) {
        calendar_->setValue(Date{kLastYear, 12, 31}); // the last day there is a file name for
    } else {
        calendar_->setYear(calendar_->year() + 1);
        calendar_->setMonth(1);
    }
}

void CalendarWindow::goToToday() {
    calendar_->setValue(today());
}

void CalendarWindow::goToNoteDay(bool later) {
    // The list may still be on its way after the start: what it holds serves, without a wait.
    if (const std::optional<Date> day = adjacentNoteDay(notes_.list(), selectedDate(), later)) {
        showDay(*day);
    }
}

void CalendarWindow::setAllNotesScope(bool all) {
    allNotesScope_ = all;
}

void CalendarWindow::deleteNotes() {
    MessageBoxService& box = platform_.messageBox;
    QString failure;
    if (allNotesScope_) {
        if (box.show(tr("Delete All Notes?"), MessageStyle::DeleteOkCancel, tr("Delete?")) !=
            Answer::Ok) {
            return;
        }
        failure = notes_.removeAll();
    } else {
        failure = notes_.remove(selectedDate());
        if (failure.isEmpty()) {
            noteBox_->setPlaceholderText(tr("Note deleted \u2013 Ctrl+Z brings it back"));
            deletedNotice_->start();
        }
    }
    if (!failure.isEmpty()) {
        box.show(failure, MessageStyle::Plain);
    }
}

void CalendarWindow::undoDelete() {
    if (!notes_.canUndoRemoval()) {
        return;
    }
    const QString failure = notes_.undoRemoval();
    reloadDay();
    if (!failure.isEmpty()) {
        platform_.messageBox.show(failure, MessageStyle::Warning);
    }
}

void CalendarWindow::keepBothVersions() {
    const Date day = selectedDate();
    for (const ConflictCopy& copy : std::exchange(monthCopies_, {})) {
        if (copy.day == day) {
            if (const QString failure = notes_.keepBoth(copy); !failure.isEmpty()) {
                platform_.messageBox.show(failure, MessageStyle::Warning);
                break;
            }
        }
    }
    reloadDay();
}

bool CalendarWindow::noteBoxUndoes(const QEvent& event) const {
    return event.type() != QEvent::KeyPress ||
           !static_cast<const QKeyEvent&>(event).matches(QKeySequence::Undo) ||
           noteBox_->document()->isUndoAvailable() || !notes_.canUndoRemoval();
}

void CalendarWindow::view() {
    if (allNotesScope_) {
        emit allNotesRequested();
    } else if (!noteBox_->noteText().isEmpty()) {
        platform_.messageBox.show(noteBox_->noteText(), MessageStyle::Plain);
    }
}

void CalendarWindow::help() {
    // A translation of the help lies beside it as almanor.<language>.hlp, e.g. almanor.de.hlp.
    const QDir folder(appFolder_);
    const QString translated = folder.filePath(
        QStringLiteral("almanor.%1.hlp").arg(QLocale().name().section(QLatin1Char('_'), 0, 0)));
    const QString path =
        QFileInfo::exists(translated) ? translated : folder.filePath(QStringLiteral("almanor.hlp"));
    QString whyNot;
    if (!platform_.help.showContents(path, whyNot)) {
        platform_.messageBox.show(
            tr("The help file could not be opened:\n%1\n(%2)").arg(path, whyNot),
            MessageStyle::Warning);
    }
}

void CalendarWindow::quit() {
    if (platform_.messageBox.show(tr("Quit Almanor 4?"), MessageStyle::OkCancel, tr("Quit?")) ==
        Answer::Ok) {
        platform_.programEnd.endNow();
    }
}

float CalendarWindow::slideStep() const {
    return slideStepFor(settings_.slideSpeed);
}

void CalendarWindow::startSlideAway() {
    slideAwayTimer_->start();
}

void CalendarWindow::startSlideOut() {
    slideOutTimer_->start();
}

bool CalendarWindow::isParked() const {
    return almanor::isParked(*this);
}

void CalendarWindow::slideAwayTick() {
    if (almanor::slideAwayTick(*this, slideStep())) {
        slideAwayTimer_->stop();
        emit slidAway();
    }
}

void CalendarWindow::slideOutTick() {
    if (almanor::slideOutTick(*this, slideStep())) {
        slideOutTimer_->stop();
    }
}

void CalendarWindow::edgeStripTouched() {
    // Without a tray icon the strip is the only way back to a parked window.
    const TrayIcon& tray = platform_.tray;
    const bool trayReachable = tray.isAvailable() && tray.isShown();
    if (isParked() && (settings_.openOnMouseOver || !trayReachable)) {
        startSlideOut();
    }
}

float CalendarWindow::leftTwips() const {
    return leftTwips_;
}

void CalendarWindow::setLeftTwips(float left) {
    leftTwips_ = left;
    move(twipsToPixels(left), y());
}

// The slide measures from the left edge of the desktop: the primary screen's right edge is its
// "screen width".
float CalendarWindow::screenWidth() const {
    return platform_.screen.leftTwips() + platform_.screen.widthTwips();
}

bool CalendarWindow::isParkedAtTheOldEdge() const {
    return leftTwips_ > dockedRight_ - layout::kWindow.width;
}

void CalendarWindow::dockToScreen(bool parked) {
    slideAwayTimer_->stop();
    slideOutTimer_->stop();
    const ScreenMetrics& screen = platform_.screen;
    dockedRight_ = screenWidth();
    setLeftTwips(dockedRight_ - (parked ? kParkedStripTwips : layout::kWindow.width));
    move(x(),
         twipsToPixels(screen.topTwips() + (screen.heightTwips() - layout::kWindow.height) / 2));
}

float CalendarWindow::windowWidth() const {
    return layout::kWindow.width;
}

float CalendarWindow::left() const {
    return leftTwips();
}

void CalendarWindow::setLeft(float left) {
    setLeftTwips(left);
}

void CalendarWindow::setStaysOnTop(bool onTop) {
    // Changing the flag on the native window keeps it where it is; setting it on the widget
    // would hide and re-create the window.
    if (QWindow* window = windowHandle()) {
        window->setFlag(Qt::WindowStaysOnTopHint, onTop);
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    }
}

void CalendarWindow::setWeekLayout(FirstDayOfWeek firstDay, bool weekNumbers) {
    // Qt counts Monday 1 to Sunday 7.
    calendar_->setWeekLayout(firstDayOfWeek(firstDay, QLocale().firstDayOfWeek() % 7), weekNumbers);
}

bool CalendarWindow::staysOnTop() const {
    if (const QWindow* window = windowHandle()) {
        return window->flags().testFlag(Qt::WindowStaysOnTopHint);
    }
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void CalendarWindow::bringToFront() {
    showAgain();
    setStaysOnTop(true);
    raise();
    setStaysOnTop(settings_.alwaysOnTop);
    // Some window managers put a window that leaves the top layer back under the active one.
    raise();
}

void CalendarWindow::openTimeDialog() {
    if (timeDialog_ == nullptr) {
        timeDialog_ = new TimeDialog(this, settings_, platform_, [this] { return selectedDate(); });
        connect(timeDialog_, &TimeDialog::timeChosen, alarmField_, &QLineEdit::setText);
    }
    timeDialog_->open(alarmField_->text());
}

void CalendarWindow::showAgain() {
    if (isMinimized()) {
        showNormal();
    } else if (!isVisible()) {
        show();
    }
}

void CalendarWindow::comeForward() {
    bringToFront();
    slideAwayTimer_->stop();
    startSlideOut();
}

void CalendarWindow::enterEvent(QEnterEvent* event) {
    // Window managers that keep part of every window on screen (Openbox keeps a tenth) leave
    // a wider strip than the edge strip's few pixels: all of it opens the parked window.
    edgeStripTouched();
    QWidget::enterEvent(event);
}

void CalendarWindow::changeEvent(QEvent* event) {
    // Where the system's clock is not enough to notice another program's change (a sleeping
    // computer, a slow network share), coming back to the window is.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        notes_.shownFile().check();
    }
    QWidget::changeEvent(event);
}

void CalendarWindow::showEvent(QShowEvent* event) {
    // The native window exists once shown; its moves are watched for the parked window (see
    // eventFilter). Installing again only moves the filter to the front.
    windowHandle()->installEventFilter(this);
    QWidget::showEvent(event);
}

void CalendarWindow::closeEvent(QCloseEvent* event) {
    // The window manager's close (Alt+F4, a taskbar's Close) would leave a running program
    // without a window; it slides away to the edge strip like *close* instead.
    event->ignore();
    startSlideAway();
}

void CalendarWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintCalendarFace(painter, rect());
}

// The alarm field never takes typing: a click, Return or Space opens the alarm time dialog. Tabbed
// into, it only takes the focus and tells how to open the dialog, so that Tab can pass on.
bool CalendarWindow::alarmFieldOpensDialog(const QEvent& event) {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        return static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton;
    case QEvent::KeyPress: {
        const int key = static_cast<const QKeyEvent&>(event).key();
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            QToolTip::showText(alarmField_->mapToGlobal(QPoint(0, alarmField_->height())),
                               alarmField_->accessibleDescription(), alarmField_);
        }
        return false;
    }
    default:
        return false;
    }
}

bool CalendarWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched == windowHandle()) {
        // A pointer resting where the window parks is inside it without ever entering it:
        // moving it there opens the window as entering does.
        edgeStripTouched();
    }
    if (watched == alarmField_) {
        if (alarmFieldOpensDialog(*event)) {
            openTimeDialog();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (watched == noteBox_ && !noteBoxUndoes(*event)) {
        // The note box takes Ctrl+Z before the window's shortcut sees it.
        undoDelete();
        return true;
    }
    if (watched == noteBox_->viewport() && event->type() == QEvent::MouseButtonPress &&
        !isActiveWindow()) {
        // Frameless, the window gets no click-to-focus from some window managers: a click into
        // the note box must still give it the keyboard.
        activateWindow();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace almanor
