#include "overview/overview_window.h"

#include "alarm/qt_date_time.h"
#include "notes/day_marks.h"
#include "notes/note_book.h"
#include "notes/note_messages.h"
#include "notes/note_record.h"
#include "notes/note_search.h"
#include "overview/found_text_delegate.h"
#include "overview/note_list_model.h"
#include "overview/overview_layout.h"
#include "overview/overview_rules.h"
#include "overview/picture_button.h"
#include "platform/artwork.h"
#include "platform/twips_rect.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QShortcut>
#include <vector>

namespace almanor {

namespace {

namespace layout = overview_layout;

// A list in which no line is current until the user picks one. A plain list view makes its
// first line current whenever it gets the focus (also when its window is activated), and
// "go to" would then jump to the newest note although nobody chose it.
class ChoiceList final : public QListView {
public:
    using QListView::QListView;

protected:
    void focusInEvent(QFocusEvent* event) override {
        const bool hadCurrent = currentIndex().isValid();
        QListView::focusInEvent(event);
        if (!hadCurrent) {
            selectionModel()->clearCurrentIndex();
        }
    }
};

// The busy pointer for as long as a command runs, also when it fails half-way.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

OverviewWindow::OverviewWindow(NoteBook& notes, Platform& platform)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      notes_(notes), platform_(platform) {
    setWindowTitle(tr("View All Notes"));
    setWindowIcon(appIcon());
    setFixedSize(twipsRect(layout::kWindow).size());
    buildControls();
}

OverviewWindow::~OverviewWindow() = default;

void OverviewWindow::buildControls() {
    model_ = new NoteListModel(notes_, this);
    buildSearchControls();
    list_ = new ChoiceList(this);
    list_->setGeometry(twipsRect(layout::kList));
    list_->setModel(model_);
    list_->setItemDelegate(new FoundTextDelegate(list_));
    list_->setAccessibleName(tr("Notes"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row is one line of text: the view need not measure ten thousand of them.
    list_->setUniformItemSizes(true);
    list_->setTextElideMode(Qt::ElideRight);
    list_->installEventFilter(this);
    connect(list_, &QListView::doubleClicked, this, [this] { goToCurrentNote(); });

    // Each button has a name by which its command is known, as the list has.
    const auto addButton = [this](ButtonPicture picture, const char* name, const QString& caption,
                                  const TwipsBox& place, void (OverviewWindow::*command)()) {
        auto* button = new PictureButton(buttonPicture(picture), caption, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(twipsRect(place));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command);
        return button;
    };
    PictureButton* const row[] = {
        addButton(ButtonPicture::Copy, "copy", tr("Copy List To Clipboard As Text"),
                  layout::kCopyButton, &OverviewWindow::copyListToClipboard),
        addButton(ButtonPicture::GoTo, "goTo", tr("Goto Date Of Selected Note"),
                  layout::kGoToButton, &OverviewWindow::goToCurrentNote),
        addButton(ButtonPicture::Close, "close", tr("Close This Window"), layout::kCloseButton,
                  &OverviewWindow::closeWindow),
        addButton(ButtonPicture::Delete, "delete", tr("Delete Selected Notes"),
                  layout::kDeleteButton, &OverviewWindow::deleteSelectedNotes)};
    PictureButton::shareFittingFont(row);

    otherVersions_ = new QListWidget(this);
    otherVersions_->setAccessibleName(tr("Other versions"));
    otherVersions_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    otherVersions_->setGeometry(twipsRect(layout::kOtherVersions));
    keepBoth_ = new QPushButton(tr("Keep both"), this);
    keepBoth_->setObjectName(QStringLiteral("keepBoth"));
    keepBoth_->setGeometry(twipsRect(layout::kKeepBoth));
    keepBoth_->setAutoDefault(false);
    connect(keepBoth_, &QPushButton::clicked, this, &OverviewWindow::keepBothVersions);
    // After each look at the folder, not at each change of the list: its first reading is a
    // hundred thousand changes.
    connect(&notes_, &NoteBook::listRead, this, &OverviewWindow::showOtherVersions);
    otherVersions_->hide();
    keepBoth_->hide();

    // The path list lives beside the lines in the note list, not in a hidden control, so the
    // tab key only ever reaches what can be seen: the search field and "On this day", the
    // list, then the buttons left to right, the order they are made in.
    list_->setFocus();
}

void OverviewWindow::buildSearchControls() {
    searchField_ = new QLineEdit(this);
    searchField_->setGeometry(twipsRect(layout::kSearchField));
    searchField_->setPlaceholderText(tr("Search notes"));
    searchField_->setAccessibleName(tr("Search notes"));
    searchField_->setClearButtonEnabled(true);
    searchField_->installEventFilter(this);
    connect(searchField_, &QLineEdit::textChanged, this, &OverviewWindow::search);

    onThisDay_ = new QCheckBox(tr("On this day"), this);
    onThisDay_->setObjectName(QStringLiteral("onThisDay"));
    onThisDay_->setGeometry(twipsRect(layout::kOnThisDay));
    connect(onThisDay_, &QCheckBox::toggled, this, &OverviewWindow::search);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("count"));
    count_->setGeometry(twipsRect(layout::kCount));
    // Also when a note comes or goes without showing; the model, made first, has followed the
    // change by then. Without a search there is no count, and the list's first reading is a
    // hundred thousand changes.
    connect(&notes_, &NoteBook::listChanged, this, [this] {
        if (model_->shownListRows()) {
            showCount();
        }
    });

    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this,
            &OverviewWindow::focusSearch);
}

void OverviewWindow::focusSearch() {
    searchField_->setFocus(Qt::ShortcutFocusReason);
    searchField_->selectAll();
}

void OverviewWindow::setCalendarDay(const Date& day) {
    calendarDay_ = day;
    if (onThisDay_->isChecked()) { // each date change comes here
        search();
    }
}

void OverviewWindow::showOnThisDay() {
    onThisDay_->setChecked(true);
}

void OverviewWindow::search() {
    std::optional<Date> day;
    if (onThisDay_->isChecked()) {
        day = calendarDay_.value_or(dateOf(platform_.clock.now().date()));
    }
    model_->setSearch(NoteSearch(searchField_->text().toStdString(), day));
    showCount();
}

void OverviewWindow::showCount() {
    if (searchField_->text().isEmpty() && !onThisDay_->isChecked()) {
        count_->clear();
        return;
    }
    const QLocale locale;
    count_->setText(tr("%1 of %2 notes")
                        .arg(locale.toString(model_->rowCount()),
                             locale.toString(static_cast<qulonglong>(notes_.list().size()))));
}

bool OverviewWindow::searchFieldKey(const QKeyEvent& key) {
    if (key.modifiers() != Qt::NoModifier && key.modifiers() != Qt::KeypadModifier) {
        return false;
    }
    const int rows = model_->rowCount();
    switch (key.key()) {
    case Qt::Key_Escape:
        if (searchField_->text().isEmpty()) {
            closeWindow();
        } else {
            searchField_->clear();
        }
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (rows == 0) {
            return true;
        }
        const QModelIndex current = list_->currentIndex();
        const int step = key.key() == Qt::Key_Down ? 1 : -1;
        const int row = current.isValid() ? std::clamp(current.row() + step, 0, rows - 1) : 0;
        list_->setCurrentIndex(model_->index(row));
        list_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The one note found is as good as chosen.
        if (!list_->currentIndex().isValid() && rows == 1) {
            list_->setCurrentIndex(model_->index(0));
        }
        goToCurrentNote();
        return true;
    default:
        return false;
    }
}

void OverviewWindow::showOtherVersions() {
    copies_ = notes_.conflictCopies();
    std::ranges::reverse(copies_); // newest first, as the list
    otherVersions_->clear();
    for (const ConflictCopy& copy : copies_) {
        otherVersions_->addItem(tr("%1  -  another version (%2)")
                                    .arg(QString::fromStdString(noteDateField(copy.day)),
                                         QString::fromStdString(copy.name)));
    }
    const bool any = !copies_.empty();
    list_->setGeometry(twipsRect(any ? layout::kListAboveOtherVersions : layout::kList));
    otherVersions_->setVisible(any);
    keepBoth_->setVisible(any);
}

void OverviewWindow::keepBothVersions() {
    for (const QModelIndex& index : otherVersions_->selectionModel()->selectedRows()) {
        const QString failure = notes_.keepBoth(copies_[static_cast<std::size_t>(index.row())]);
        if (!failure.isEmpty()) {
            platform_.messageBox.show(failure, MessageStyle::Warning);
            break;
        }
    }
    showOtherVersions();
}

void OverviewWindow::closeWindow() {
    hide();
}

void OverviewWindow::closeEvent(QCloseEvent* event) {
    // The frame's close box hides the window as Close does; the window itself stays.
    event->ignore();
    hide();
}

// While the list is on screen it follows every date change; out of sight it waits until it is
// shown again.
void OverviewWindow::showEvent(QShowEvent* event) {
    notes_.setListShown(true);
    QWidget::showEvent(event);
}

void OverviewWindow::hideEvent(QHideEvent* event) {
    notes_.setListShown(false);
    QWidget::hideEvent(event);
}

void OverviewWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool OverviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == searchField_ && event->type() == QEvent::KeyPress &&
        searchFieldKey(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                goToCurrentNote();
                return true;
            case Qt::Key_Delete:
                // Unlike the button, a key is easily pressed by mistake: ask first.
                if (list_->selectionModel()->hasSelection() &&
                    platform_.messageBox.show(tr("Delete the selected notes?"),
                                              MessageStyle::DeleteOkCancel,
                                              tr("Delete?")) == Answer::Ok) {
                    deleteSelectedNotes();
                }
                return true;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void OverviewWindow::goToCurrentNote() {
    // The current row is the one with the focus mark, which only the user sets. A line whose date
    // cannot be read (a file another program wrote) leads nowhere, so it counts as no choice.
    const QModelIndex current = list_->currentIndex();
    const NoteList& notes = notes_.list();
    std::optional<Date> date;
    if (current.isValid() && model_->listRow(current.row()) < notes.size()) {
        date = noteListLineDate(notes[model_->listRow(current.row())].line);
    }
    if (date) {
        emit goToDateRequested(*date);
    } else {
        platform_.messageBox.show(tr("A Note Was Not Selected!"), MessageStyle::Warning,
                                  tr("Error!"));
    }
    notes_.lookAtFolder();
}

void OverviewWindow::copyListToClipboard() {
    const BusyPointer busy;
    notes_.refresh(); // what is on the disk now, also when the list was out of sight
    const QString text =
        QString::fromStdString(notesClipboardText(notes_.list(), model_->shownListRows()));
    QApplication::clipboard()->setText(text);
}

void OverviewWindow::deleteSelectedNotes() {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows()) {
        rows.push_back(model_->listRow(index.row()));
    }
    // When all went, the calendar window reloads its note and marks on the note book's word.
    // Otherwise the rows it did not reach stay selected, as does a note whose file could not
    // be deleted: the list loses only the rows of the notes that went.
    const NoteRemovalOutcome outcome = notes_.removeListed(rows);
    if (!outcome.completed) {
        platform_.messageBox.show(removalFailureMessage(outcome), MessageStyle::Warning);
    }
}

} // namespace almanor
