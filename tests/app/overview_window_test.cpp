#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "overview/note_list_model.h"
#include "overview/overview_window.h"

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace almanor {
namespace {

using testing::TestProgram;

std::string record(const std::string& text, const std::string& date, const std::string& alarm) {
    return "\"dailynotes\",\"" + text + "\",\"" + date + "\",\"" + alarm + "\"\r\n";
}

class OverviewWindowTest : public ::testing::Test {
protected:
    // Notes of 5 December 2026 (row 0) back to 1 December (row 4); "today" is the 6th.
    void writeFiveDecemberNotes() {
        for (int day = 1; day <= 5; ++day) {
            t.writeFile(fileOf(day), record("note " + std::to_string(day),
                                            "12/0" + std::to_string(day) + "/2026", ""));
        }
    }
    static std::string fileOf(int decemberDay) {
        return "2026120" + std::to_string(decemberDay) + ".dnf";
    }

    // Starts the program as it starts: the calendar window fills the list of the hidden
    // overview.
    OverviewWindow& start() {
        t.program().calendarWindow();
        return overview();
    }
    OverviewWindow& overview() { return t.program().overviewWindow(); }
    CalendarWindow& calendarWindow() { return t.program().calendarWindow(); }
    MonthCalendar& calendar() { return calendarWindow().calendar(); }
    QListView& list() { return overview().list(); }

    QStringList shownRows() {
        QStringList rows;
        const QAbstractItemModel& model = *list().model();
        for (int row = 0; row < model.rowCount(); ++row) {
            rows << model.index(row, 0).data().toString();
        }
        return rows;
    }
    std::vector<int> selectedRows() {
        std::vector<int> rows;
        for (const QModelIndex& index : list().selectionModel()->selectedRows()) {
            rows.push_back(index.row());
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    void select(std::initializer_list<int> rows) {
        for (const int row : rows) {
            list().selectionModel()->select(list().model()->index(row, 0),
                                            QItemSelectionModel::Select);
        }
    }
    void makeCurrent(int row) {
        list().selectionModel()->setCurrentIndex(list().model()->index(row, 0),
                                                 QItemSelectionModel::ClearAndSelect);
    }
    std::vector<int> markedDays() {
        std::vector<int> days;
        for (int day = 1; day <= 31; ++day) {
            if (calendar().isDayShownMarked(day)) {
                days.push_back(day);
            }
        }
        return days;
    }
    // A mark no note accounts for: only a redraw of the marks from the list takes it away.
    void markStrayDay(int day) {
        calendar().setDayMark(day, true);
        calendar().refreshMarks();
    }

    TestProgram t;
};

TEST_F(OverviewWindowTest, laysOutTheListAndFourPictureButtonsAtTheirTwipPositions) {
    OverviewWindow& w = start();
    EXPECT_EQ(w.windowTitle(), "View All Notes");
    EXPECT_EQ(w.size(), QSize(424, 181)) << "6360 x 2715 twips";
    EXPECT_EQ(list().geometry(), QRect(8, 8, 409, 108));
    EXPECT_EQ(list().selectionMode(), QAbstractItemView::ExtendedSelection);

    const struct {
        QPushButton& button;
        const char* caption;
        int left;
    } buttons[] = {
        {w.copyButton(), "Copy List To Clipboard As Text", 8},
        {w.goToButton(), "Goto Date Of Selected Note", 112},
        {w.closeButton(), "Close This Window", 216},
        {w.deleteButton(), "Delete Selected Notes", 320},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button.text(), b.caption);
        EXPECT_EQ(b.button.geometry(), QRect(b.left, 123, 97, 53)) << b.caption;
        EXPECT_FALSE(b.button.icon().isNull()) << b.caption;
        EXPECT_EQ(b.button.iconSize(), QSize(16, 16)) << b.caption;
    }
}

TEST_F(OverviewWindowTest, tabKeyReachesOnlyTheVisibleControlsInOrder) {
    OverviewWindow& w = start();
    std::vector<QWidget*> chain;
    QWidget* next = &list();
    do {
        if (next->focusPolicy() & Qt::TabFocus) {
            chain.push_back(next);
            EXPECT_FALSE(next->isHidden()) << next->metaObject()->className();
        }
        next = next->nextInFocusChain();
    } while (next != &list() && chain.size() < 20);
    EXPECT_EQ(chain, (std::vector<QWidget*>{&list(), &w.copyButton(), &w.goToButton(),
                                            &w.closeButton(), &w.deleteButton()}));
}

TEST_F(OverviewWindowTest, isCreatedHiddenAtStartUpWithEveryNoteNewestFirst) {
    t.writeFile("19990305.dnf", record("march", "03/05/1999", ""));
    t.writeFile("20261206.dnf", record("today", "12/06/2026", "2:00:00 PM"));
    OverviewWindow& w = start();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(shownRows(),
              (QStringList{"12/06/2026  -  2:00:00 PM  -  today", "03/05/1999  -  march"}));
    EXPECT_FALSE(list().currentIndex().isValid());
}

TEST_F(OverviewWindowTest, aNoteOfSeveralLinesShowsOnOneRowAndWholeInItsTip) {
    t.writeFile("20261203.dnf", record("first\r\nsecond\r\n\r\nlast", "12/03/2026", ""));
    start();
    const QString mark = NoteListModel::lineBreakMark();
    const QModelIndex row = list().model()->index(0, 0);
    EXPECT_EQ(row.data().toString(),
              "12/03/2026  -  first" + mark + "second" + mark + mark + "last");
    EXPECT_FALSE(row.data().toString().contains('\n'));
    EXPECT_FALSE(row.data().toString().contains('\r'));
    EXPECT_EQ(row.data(Qt::ToolTipRole).toString(), "12/03/2026  -  first\nsecond\n\nlast");
    EXPECT_EQ(t.program().noteList()[0].line, "12/03/2026  -  first\r\nsecond\r\n\r\nlast")
        << "the list itself keeps the real text";
}

TEST_F(OverviewWindowTest, clicksSelectOneShiftSelectsARunControlAddsOrRemoves) {
    writeFiveDecemberNotes();
    t.program().showNoteList();
    const auto click = [this](int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect rect = list().visualRect(list().model()->index(row, 0));
        QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers, rect.center());
    };
    click(1);
    EXPECT_EQ(selectedRows(), std::vector<int>{1});
    click(3, Qt::ShiftModifier);
    EXPECT_EQ(selectedRows(), (std::vector<int>{1, 2, 3}));
    click(2, Qt::ControlModifier);
    EXPECT_EQ(selectedRows(), (std::vector<int>{1, 3}));
    click(0, Qt::ControlModifier);
    EXPECT_EQ(selectedRows(), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(list().currentIndex().row(), 0);
    click(4);
    EXPECT_EQ(selectedRows(), std::vector<int>{4});
}

// --- Go to -------------------------------------------------------------------------------

TEST_F(OverviewWindowTest, goToWithoutAUsableCurrentLineSaysSoAndRebuildsTheList) {
    const struct {
        const char* name;
        std::optional<std::string> dateField; // of the one note, if any
        bool makeItCurrent;
    } cases[] = {
        {"empty list", std::nullopt, false},
        {"no current line", "12/03/2026", false},
        {"a line whose date cannot be read", "13/45/2026", true},
    };
    for (const auto& c : cases) {
        TestProgram p;
        if (c.dateField) {
            p.writeFile("20261203.dnf", record("note", *c.dateField, ""));
        }
        p.program().calendarWindow();
        OverviewWindow& w = p.program().overviewWindow();
        if (c.makeItCurrent) {
            w.list().setCurrentIndex(w.list().model()->index(0, 0));
        }
        p.writeFile("20261220.dnf", record("added meanwhile", "12/20/2026", ""));
        w.goToButton().click();
        ASSERT_EQ(p.fakes.messageBox.shown.size(), 1u) << c.name;
        EXPECT_EQ(p.fakes.messageBox.shown[0].text, "A Note Was Not Selected!") << c.name;
        EXPECT_EQ(p.fakes.messageBox.shown[0].style, 48) << c.name;
        EXPECT_EQ(p.fakes.messageBox.shown[0].title, "Error!") << c.name;
        EXPECT_EQ(p.program().calendarWindow().calendar().value(), (Date{2026, 12, 6}))
            << c.name << ": the calendar stays";
        EXPECT_EQ(w.list().model()->index(0, 0).data().toString(), "12/20/2026  -  added meanwhile")
            << c.name << ": the list was rebuilt";
    }
}

TEST_F(OverviewWindowTest, goToMovesTheCalendarToTheLinesDateAndShowsItsNote) {
    t.writeFile("19990305.dnf", record("Dentist", "03/05/1999", "9:00:00 AM"));
    t.writeFile("20261201.dnf", record("newer", "12/01/2026", ""));
    t.program().showNoteList();
    makeCurrent(1);
    overview().goToButton().click();
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
    EXPECT_EQ(calendar().value(), (Date{1999, 3, 5}));
    EXPECT_EQ(calendarWindow().noteBox().noteText(), "Dentist");
    EXPECT_EQ(calendarWindow().alarmField().text(), "9:00:00 AM");
    EXPECT_EQ(markedDays(), std::vector<int>{5});
    EXPECT_TRUE(overview().isVisible()) << "the overview stays open";
    EXPECT_FALSE(list().currentIndex().isValid()) << "the list was rebuilt";
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"19990305.dnf", "20261201.dnf"}));
}

TEST_F(OverviewWindowTest, enterOrADoubleClickOnALineGoesToItsDate) {
    writeFiveDecemberNotes();
    t.program().showNoteList();
    makeCurrent(2);
    QTest::keyClick(&list(), Qt::Key_Return);
    EXPECT_EQ(calendar().value(), (Date{2026, 12, 3}));
    EXPECT_EQ(calendarWindow().noteBox().noteText(), "note 3");

    const QRect row4 = list().visualRect(list().model()->index(4, 0));
    // A double click is a click followed by the double-click event.
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, row4.center());
    EXPECT_EQ(calendar().value(), (Date{2026, 12, 3})) << "one click only selects";
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, row4.center());
    EXPECT_EQ(calendar().value(), (Date{2026, 12, 1}));
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
}

// --- Copy --------------------------------------------------------------------------------

TEST_F(OverviewWindowTest, copyPutsTheHeadingAndEachLineAfterCrLfOnTheClipboard) {
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> files;
        QByteArray expected;
    } cases[] = {
        {"no notes", {}, "Almanor Notes."},
        {"two notes",
         {{"19990305.dnf", record("Dentist", "03/05/1999", "9:00:00 AM")},
          {"20261201.dnf", record("newer", "12/01/2026", "")}},
         "Almanor Notes.\r\n12/01/2026  -  newer\r\n03/05/1999  -  9:00:00 AM  -  Dentist"},
        {"line breaks kept and non-ASCII text",
         {{"20261203.dnf", record("a\r\nb\r\n", "12/03/2026", "")},
          {"20261202.dnf", record("caf\xe9", "12/02/2026", "")}},
         "Almanor Notes.\r\n12/03/2026  -  a\r\nb\r\n\r\n12/02/2026  -  caf\xc3\xa9"},
    };
    for (const auto& c : cases) {
        TestProgram program;
        for (const auto& [name, bytes] : c.files) {
            program.writeFile(name, bytes);
        }
        program.program().calendarWindow();
        QApplication::clipboard()->setText(QStringLiteral("left over"));
        program.program().overviewWindow().copyButton().click();
        const QMimeData* data = QApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr) << c.name;
        EXPECT_EQ(data->data(QStringLiteral("text/plain")), c.expected) << c.name;
        EXPECT_EQ(data->formats(), QStringList{"text/plain"}) << c.name;
    }
}

TEST_F(OverviewWindowTest, copyShowsTheBusyPointerWhileItRunsAndRestoresIt) {
    writeFiveDecemberNotes();
    start();
    std::optional<Qt::CursorShape> pointerWhileCopying;
    const QMetaObject::Connection watch =
        QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, [&] {
            const QCursor* pointer = QApplication::overrideCursor();
            pointerWhileCopying = pointer ? pointer->shape() : Qt::ArrowCursor;
        });
    overview().copyListToClipboard();
    QObject::disconnect(watch);
    EXPECT_EQ(pointerWhileCopying, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// --- Delete ------------------------------------------------------------------------------

TEST_F(OverviewWindowTest, deleteWithNothingSelectedStillReloadsTheNoteAndRedrawsTheMarks) {
    writeFiveDecemberNotes();
    start();
    markStrayDay(20);
    t.writeFile("20261206.dnf", record("written meanwhile", "12/06/2026", ""));
    overview().deleteButton().click();
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
    EXPECT_EQ(t.fileNames().size(), 6u) << "nothing deleted";
    EXPECT_EQ(calendarWindow().noteBox().noteText(), "written meanwhile");
    EXPECT_EQ(markedDays(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(shownRows().size(), 6) << "the list was rebuilt at the end";
}

TEST_F(OverviewWindowTest, deleteRemovesTheSelectedNotesFilesAndLines) {
    writeFiveDecemberNotes();
    t.writeFile("20261206.dnf", record("today's", "12/06/2026", ""));
    start();
    ASSERT_EQ(calendarWindow().noteBox().noteText(), "today's");
    select({0, 2, 4}); // 6, 4 and 2 December
    overview().deleteButton().click();
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{fileOf(1), fileOf(3), fileOf(5)}));
    EXPECT_EQ(shownRows(), (QStringList{"12/05/2026  -  note 5", "12/03/2026  -  note 3",
                                        "12/01/2026  -  note 1"}));
    EXPECT_EQ(t.program().noteList().size(), 3u);
    EXPECT_TRUE(calendarWindow().noteBox().noteText().isEmpty()) << "today's note was reloaded";
    EXPECT_EQ(markedDays(), (std::vector<int>{1, 3, 5}));
    EXPECT_TRUE(selectedRows().empty());
}

TEST_F(OverviewWindowTest, deleteKeyAsksFirstAndDeletesOnlyOnOk) {
    writeFiveDecemberNotes();
    start();
    select({1});
    t.fakes.messageBox.answers = {msg::Cancel, msg::Ok};
    QTest::keyClick(&list(), Qt::Key_Delete);
    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(t.fakes.messageBox.shown[0].text, "Delete the selected notes?");
    EXPECT_EQ(t.fakes.messageBox.shown[0].style, msg::OkCancel);
    EXPECT_TRUE(t.exists(fileOf(4)));
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_FALSE(t.exists(fileOf(4)));
    EXPECT_EQ(shownRows().size(), 4);
}

// Activating the window gives the list the focus; that must not choose a note for the user.
TEST_F(OverviewWindowTest, activatingTheWindowChoosesNoLine) {
    writeFiveDecemberNotes();
    start();
    t.program().showNoteList();
    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::TabFocusReason}) {
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QApplication::sendEvent(&list(), &focusOut);
        QFocusEvent focusIn(QEvent::FocusIn, reason);
        QApplication::sendEvent(&list(), &focusIn);
        EXPECT_FALSE(list().currentIndex().isValid());
        EXPECT_TRUE(selectedRows().empty());
    }
    overview().goToButton().click();
    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(t.fakes.messageBox.shown[0].text, "A Note Was Not Selected!");
    QTest::keyClick(&list(), Qt::Key_Down); // the keyboard still picks the first line
    EXPECT_EQ(list().currentIndex().row(), 0);
}

TEST_F(OverviewWindowTest, deleteStopsAtANoteWhoseFileHasGoneAndSaysWhichOne) {
    writeFiveDecemberNotes();
    start();
    markStrayDay(20);
    select({0, 1, 2, 4}); // 5, 4, 3 and 1 December
    std::filesystem::remove(t.file(fileOf(3)));
    t.writeFile("20261206.dnf", record("written meanwhile", "12/06/2026", ""));
    overview().deleteButton().click();

    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(t.fakes.messageBox.shown[0].text, "The Note For 12/03/2026 Was Not Found!");
    EXPECT_EQ(t.fakes.messageBox.shown[0].style, 48);
    EXPECT_EQ(t.fakes.messageBox.shown[0].title, "Almanor");
    EXPECT_EQ(t.fileNames(),
              (std::vector<std::string>{fileOf(2), fileOf(4), fileOf(5), "20261206.dnf"}))
        << "1 December deleted before the gap; 4 and 5 December not reached";
    EXPECT_EQ(shownRows(), (QStringList{"12/05/2026  -  note 5", "12/04/2026  -  note 4",
                                        "12/02/2026  -  note 2"}));
    EXPECT_EQ(selectedRows(), (std::vector<int>{0, 1})) << "the lines not reached stay selected";
    EXPECT_TRUE(calendarWindow().noteBox().noteText().isEmpty()) << "no reload";
    EXPECT_EQ(markedDays(), (std::vector<int>{1, 2, 3, 4, 5, 20})) << "no redraw of the marks";
}

TEST_F(OverviewWindowTest, deleteKeepsTheLineOfAFileThatIsStillThereAndSaysWhy) {
    writeFiveDecemberNotes();
    start();
    select({0, 2, 3}); // 5, 3 and 2 December
    // A folder in place of the note file: it cannot be deleted like a file, whoever asks.
    std::filesystem::remove(t.file(fileOf(3)));
    std::filesystem::create_directory(t.file(fileOf(3)));
    t.writeFile(fileOf(3) + "/inside", "x");
    overview().deleteSelectedNotes();

    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u);
    const testing::ShownMessage& message = t.fakes.messageBox.shown[0];
    EXPECT_TRUE(message.text.startsWith("The Note For 12/03/2026 Could Not Be Deleted!\n\n"))
        << message.text.toStdString();
    EXPECT_TRUE(message.text.contains(QString::fromStdString(fileOf(3)))) << "names the file";
    EXPECT_EQ(message.style, 48);
    EXPECT_EQ(message.title, "Almanor");
    EXPECT_FALSE(t.exists(fileOf(2)));
    EXPECT_TRUE(t.exists(fileOf(3)));
    EXPECT_TRUE(t.exists(fileOf(5)));
    EXPECT_EQ(shownRows(), (QStringList{"12/05/2026  -  note 5", "12/04/2026  -  note 4",
                                        "12/03/2026  -  note 3", "12/01/2026  -  note 1"}));
    EXPECT_EQ(t.program().noteList()[2].path, (t.folder() / fileOf(3)).string());
    EXPECT_EQ(selectedRows(), (std::vector<int>{0, 2}))
        << "the note that stayed and the one not reached are still selected";
}

// --- Close -------------------------------------------------------------------------------

TEST_F(OverviewWindowTest, closeHidesAndTheNextViewShowsARebuiltList) {
    writeFiveDecemberNotes();
    start();
    t.program().showNoteList();
    ASSERT_TRUE(overview().isVisible());
    makeCurrent(1);
    overview().closeButton().click();
    EXPECT_FALSE(overview().isVisible());
    EXPECT_EQ(shownRows().size(), 5);

    t.writeFile("20261224.dnf", record("added while hidden", "12/24/2026", ""));
    std::filesystem::remove(t.file(fileOf(1)));
    t.program().showNoteList();
    EXPECT_TRUE(overview().isVisible());
    EXPECT_EQ(shownRows().front(), "12/24/2026  -  added while hidden");
    EXPECT_EQ(shownRows().back(), "12/02/2026  -  note 2");
    EXPECT_FALSE(list().currentIndex().isValid());
}

TEST_F(OverviewWindowTest, theFrameCloseBoxAndEscapeHideTheWindowWithoutEndingIt) {
    writeFiveDecemberNotes();
    start();
    const QPointer<OverviewWindow> window = &overview();
    t.program().showNoteList();
    // A close that went through would count towards ending the program once no window is
    // left; the window declines it and hides instead.
    EXPECT_FALSE(window->close());
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(shownRows().size(), 5) << "the list is still there while hidden";

    t.program().showNoteList();
    ASSERT_TRUE(window->isVisible());
    QTest::keyClick(&list(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(&overview(), window.data()) << "the same window, not a new one";
}

} // namespace
} // namespace almanor
