#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "overview/note_list_model.h"
#include "overview/overview_window.h"

#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::record;
using testing::TestProgram;

class OverviewWindowTest : public ::testing::Test {
protected:
    // Notes of 5 December 2026 (row 0) back to 1 December (row 4); "today" is the 6th.
    void writeFiveDecemberNotes() {
        for (int day = 1; day <= 5; ++day) {
            t.writeFile(fileOf(day), record("note " + std::to_string(day),
                                            "12/0" + std::to_string(day) + "/2026"));
        }
    }
    static std::string fileOf(int decemberDay) {
        return "2026120" + std::to_string(decemberDay) + ".dnf";
    }
    // View with "All", as the user asks for the overview.
    OverviewWindow& view() {
        CalendarWindow& calendar = calendarWindow();
        calendar.allOption().click();
        testing::clickOn(calendar, "View");
        return overview();
    }
    OverviewWindow& overview() { return t.program().overviewWindow(); }
    CalendarWindow& calendarWindow() { return t.program().calendarWindow(); }
    QString shownNote() { return calendarWindow().noteBox().noteText(); }
    QListView& list() { return overview().list(); }

    QStringList shownRows() {
        QStringList rows;
        for (int row = 0; row < list().model()->rowCount(); ++row) {
            rows << list().model()->index(row, 0).data().toString();
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
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect rect = list().visualRect(list().model()->index(row, 0));
        QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers, rect.center());
    }
    std::vector<int> markedDays() {
        std::vector<int> days;
        for (int day = 1; day <= 31; ++day) {
            if (calendarWindow().calendar().isDayShownMarked(day)) {
                days.push_back(day);
            }
        }
        return days;
    }
    std::vector<testing::ShownMessage>& shown() { return t.fakes.messageBox.shown; }
    TestProgram t;
};

TEST_F(OverviewWindowTest, listsEveryNoteNewestFirstOneRowEach) {
    t.writeFile("19990305.dnf", record("march", "03/05/1999"));
    t.writeFile("20261206.dnf", record("today", "12/06/2026", "2:00:00 PM"));
    t.writeFile("20261203.dnf", record("first\r\nsecond", "12/03/2026"));
    view();
    const QString mark = NoteListModel::lineBreakMark();
    EXPECT_EQ(shownRows(),
              (QStringList{"12/06/2026  -  2:00:00 PM  -  today",
                           "12/03/2026  -  first" + mark + "second", "03/05/1999  -  march"}));
    EXPECT_EQ(list().model()->index(1, 0).data(Qt::ToolTipRole).toString(),
              "12/03/2026  -  first\nsecond");
}

TEST_F(OverviewWindowTest, goToMovesTheCalendarToTheChosenLinesDate) {
    t.writeFile("19990305.dnf", record("Dentist", "03/05/1999", "9:00:00 AM"));
    writeFiveDecemberNotes();
    view();
    clickRow(5);
    overview().goToButton().click();
    EXPECT_EQ(calendarWindow().calendar().value(), (Date{1999, 3, 5}));
    EXPECT_EQ(shownNote(), "Dentist");
    EXPECT_EQ(markedDays(), std::vector<int>{5});
    EXPECT_TRUE(overview().isVisible()) << "the overview stays open";

    clickRow(2);
    QTest::keyClick(&list(), Qt::Key_Return);
    EXPECT_EQ(shownNote(), "note 3");
    const QRect row4 = list().visualRect(list().model()->index(4, 0));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, row4.center());
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, row4.center());
    EXPECT_EQ(shownNote(), "note 1");
    EXPECT_TRUE(shown().empty());
}

// Activating the window gives the list the focus; that must not choose a note for the user.
TEST_F(OverviewWindowTest, goToWithoutAChosenLineSaysSoAndRebuildsTheList) {
    const struct {
        const char* name;
        std::optional<std::string> dateField; // of the one note, if any
        bool choose;
    } cases[] = {
        {"empty list", std::nullopt, false},
        {"no line chosen", "12/03/2026", false},
        {"a line whose date cannot be read", "13/45/2026", true},
    };
    for (const auto& c : cases) {
        TestProgram p;
        if (c.dateField) {
            p.writeFile("20261203.dnf", record("note", *c.dateField));
        }
        p.program().calendarWindow();
        p.program().showOverviewWindow();
        OverviewWindow& w = p.program().overviewWindow();
        for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::TabFocusReason}) {
            QFocusEvent focusIn(QEvent::FocusIn, reason);
            QApplication::sendEvent(&w.list(), &focusIn);
        }
        EXPECT_FALSE(w.list().currentIndex().isValid()) << c.name;
        if (c.choose) {
            QTest::keyClick(&w.list(), Qt::Key_Down);
        }
        p.writeFile("20261220.dnf", record("added meanwhile", "12/20/2026"));
        w.goToButton().click();
        ASSERT_EQ(p.fakes.messageBox.shown.size(), 1u) << c.name;
        EXPECT_EQ(p.fakes.messageBox.shown[0].text, "A Note Was Not Selected!");
        EXPECT_EQ(p.fakes.messageBox.shown[0].style, msg::Exclamation);
        EXPECT_EQ(p.fakes.messageBox.shown[0].title, "Error!");
        EXPECT_EQ(p.program().calendarWindow().calendar().value(), (Date{2026, 12, 6}));
        EXPECT_EQ(w.list().model()->index(0, 0).data().toString(), "12/20/2026  -  added meanwhile")
            << c.name << ": the list was rebuilt";
    }
}

TEST_F(OverviewWindowTest, copyPutsTheHeadingAndEachLineAfterCrLfOnTheClipboard) {
    const struct {
        std::vector<std::pair<std::string, std::string>> files;
        QByteArray expected;
    } cases[] = {
        {{}, "Almanor Notes."},
        {{{"19990305.dnf", record("Dentist", "03/05/1999", "9:00:00 AM")},
          {"20261203.dnf", record("a\r\nb\r\n", "12/03/2026")},
          {"20261202.dnf", record("caf\xe9", "12/02/2026")}},
         "Almanor Notes.\r\n12/03/2026  -  a\r\nb\r\n\r\n12/02/2026  -  caf\xc3\xa9\r\n"
         "03/05/1999  -  9:00:00 AM  -  Dentist"},
    };
    for (const auto& c : cases) {
        TestProgram p;
        for (const auto& [name, bytes] : c.files) {
            p.writeFile(name, bytes);
        }
        p.program().calendarWindow();
        p.program().overviewWindow().copyButton().click();
        EXPECT_EQ(QApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain")),
                  c.expected);
    }
}

TEST_F(OverviewWindowTest, deleteRemovesTheSelectedNotesAndTheCalendarFollows) {
    writeFiveDecemberNotes();
    t.writeFile("20261206.dnf", record("today's", "12/06/2026"));
    view();
    overview().deleteButton().click(); // nothing selected: nothing goes, all is reloaded
    EXPECT_EQ(t.fileNames().size(), 6u);
    clickRow(0);
    clickRow(2, Qt::ControlModifier);
    clickRow(4, Qt::ControlModifier); // 6, 4 and 2 December
    EXPECT_EQ(selectedRows(), (std::vector<int>{0, 2, 4}));
    overview().deleteButton().click();
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{fileOf(1), fileOf(3), fileOf(5)}));
    EXPECT_EQ(shownRows(), (QStringList{"12/05/2026  -  note 5", "12/03/2026  -  note 3",
                                        "12/01/2026  -  note 1"}));
    EXPECT_TRUE(shownNote().isEmpty()) << "today's note was reloaded";
    EXPECT_EQ(markedDays(), (std::vector<int>{1, 3, 5}));
}

TEST_F(OverviewWindowTest, deleteKeyAsksFirstAndDeletesOnlyOnOk) {
    writeFiveDecemberNotes();
    view();
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_TRUE(shown().empty()) << "nothing selected, nothing asked";
    select({1});
    t.fakes.messageBox.answers = {msg::Cancel, msg::Ok};
    QTest::keyClick(&list(), Qt::Key_Delete);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "Delete the selected notes?");
    EXPECT_EQ(shown()[0].style, msg::OkCancel);
    EXPECT_TRUE(t.exists(fileOf(4)));
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_FALSE(t.exists(fileOf(4)));
}

TEST_F(OverviewWindowTest, deleteStopsAtANoteThatCannotGoAndSaysWhich) {
    const struct {
        const char* name;
        bool fileStays; // a folder in its place cannot be deleted like a file
        std::vector<std::string> files;
        QStringList rows;
        std::vector<int> stillSelected;
    } cases[] = {
        {"vanished",
         false,
         {fileOf(2), fileOf(4), fileOf(5)},
         {"12/05/2026  -  note 5", "12/04/2026  -  note 4", "12/02/2026  -  note 2"},
         {0}},
        {"still there",
         true,
         {fileOf(2), fileOf(3), fileOf(4), fileOf(5)},
         {"12/05/2026  -  note 5", "12/04/2026  -  note 4", "12/03/2026  -  note 3",
          "12/02/2026  -  note 2"},
         {0, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestProgram p;
        for (int day = 1; day <= 5; ++day) {
            p.writeFile(fileOf(day), record("note " + std::to_string(day),
                                            "12/0" + std::to_string(day) + "/2026"));
        }
        p.program().calendarWindow();
        p.program().showOverviewWindow();
        OverviewWindow& w = p.program().overviewWindow();
        for (const int row : {0, 2, 4}) { // 5, 3 and 1 December
            w.list().selectionModel()->select(w.list().model()->index(row, 0),
                                              QItemSelectionModel::Select);
        }
        std::filesystem::remove(p.file(fileOf(3)));
        if (c.fileStays) {
            std::filesystem::create_directories(p.file(fileOf(3)) / "inside");
        }
        w.deleteButton().click();
        ASSERT_EQ(p.fakes.messageBox.shown.size(), 1u);
        const QString told = p.fakes.messageBox.shown[0].text;
        EXPECT_EQ(told.startsWith("The Note For 12/03/2026 Was Not Found!"), !c.fileStays);
        EXPECT_EQ(told.startsWith("The Note For 12/03/2026 Could Not Be Deleted!"), c.fileStays);
        EXPECT_EQ(p.fileNames(), c.files) << "1 December went; 5 December was not reached";
        QStringList rows;
        std::vector<int> selected;
        for (int row = 0; row < w.list().model()->rowCount(); ++row) {
            rows << w.list().model()->index(row, 0).data().toString();
            if (w.list().selectionModel()->isRowSelected(row)) {
                selected.push_back(row);
            }
        }
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(selected, c.stillSelected);
    }
}

TEST_F(OverviewWindowTest, anOpenOverviewFollowsFilesThatComeAndGo) {
    writeFiveDecemberNotes();
    view();
    t.writeFile("20261224.dnf", record("written elsewhere", "12/24/2026"));
    std::filesystem::remove(t.file(fileOf(1)));
    const QTimer* settled = t.program().notes().findChild<QTimer*>("folderSettled");
    for (int round = 0; round < 100 && !settled->isActive(); ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20); // the system's report
    }
    testing::tick(t.program().notes(), "folderSettled");
    EXPECT_EQ(shownRows().first(), "12/24/2026  -  written elsewhere");
    EXPECT_EQ(shownRows().size(), 5);
}

TEST_F(OverviewWindowTest, closeEscapeAndTheCloseBoxHideAndTheNextViewIsRebuilt) {
    writeFiveDecemberNotes();
    view();
    overview().closeButton().click();
    EXPECT_FALSE(overview().isVisible());
    t.writeFile("20261224.dnf", record("added while hidden", "12/24/2026"));
    testing::clickOn(calendarWindow(), "View");
    EXPECT_TRUE(overview().isVisible());
    EXPECT_EQ(shownRows().size(), 6);
    QTest::keyClick(&overview(), Qt::Key_Escape);
    EXPECT_FALSE(overview().isVisible());
    overview().show();
    EXPECT_FALSE(overview().close());
    EXPECT_FALSE(overview().isVisible());
}

} // namespace
} // namespace almanor
