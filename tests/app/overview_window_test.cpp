#include "app/calendar_window_fixture.h"
#include "notes/both_versions.h"
#include "overview/note_list_model.h"
#include "overview/overview_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

namespace almanor {
namespace {

using testing::record;
using testing::rowsOf;
using testing::TestProgram;

std::string fileOf(int decemberDay) {
    return "2026120" + std::to_string(decemberDay) + ".dnf";
}

// Notes of 5 December 2026 (row 0) back to 1 December (row 4); "today" is the 6th.
void writeFiveDecemberNotes(const TestProgram& p) {
    for (int day = 1; day <= 5; ++day) {
        p.writeFile(fileOf(day),
                    record("note " + std::to_string(day), "12/0" + std::to_string(day) + "/2026"));
    }
}

class OverviewWindowTest : public CalendarWindowTest {
protected:
    // View with "All", as the user asks for the overview.
    OverviewWindow& view() {
        option("allNotes").click();
        testing::clickOn(window(), "View");
        return overview();
    }
    OverviewWindow& overview() { return *t.started().overviewWindow(); }
    QListView& list() { return testing::childNamed<QListView>(overview(), "Notes"); }
    QPushButton& button(const char* n) { return testing::childNamed<QPushButton>(overview(), n); }
    QLineEdit& field() { return testing::childNamed<QLineEdit>(overview(), "Search notes"); }
    QString count() { return testing::childNamed<QLabel>(overview(), "count").text(); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect rect = list().visualRect(list().model()->index(row, 0));
        QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers, rect.center());
    }
};

TEST_F(OverviewWindowTest, listsEveryNoteNewestFirstOneRowEach) {
    t.writeFile("19990305.dnf", record("march", "03/05/1999"));
    t.writeFile("20261206.dnf", record("today", "12/06/2026", "2:00:00 PM"));
    t.writeFile("20261203.dnf", record("1\r\n2\r3\n4", "12/03/2026")); // all line breaks
    t.started();
    EXPECT_FALSE(overview().isVisible());
    EXPECT_TRUE(t.program().notes().list().empty()) << "the start reads only the shown month";
    view();
    const QString mark = NoteListModel::lineBreakMark();
    EXPECT_EQ(rowsOf(list()),
              (QStringList{"12/06/2026  -  2:00:00 PM  -  today",
                           "12/03/2026  -  1" + mark + "2" + mark + "3" + mark + "4",
                           "03/05/1999  -  march"}));
    EXPECT_EQ(list().model()->index(1, 0).data(Qt::ToolTipRole).toString(),
              "12/03/2026  -  1\n2\n3\n4");
    button("copy").click();
    EXPECT_EQ(QApplication::clipboard()->text(), "Almanor Notes.\r\n12/06/2026  -  2:00:00 PM  -  "
                                                 "today\r\n12/03/2026  -  1\r\n2\r3\n4\r\n"
                                                 "03/05/1999  -  march");
    // A row shows no more than 2000 characters of a note another program wrote.
    t.writeFile("20261202.dnf", record(std::string(1985, 'x'), "12/02/2026"));
    t.writeFile("20261201.dnf", record(std::string(1986, 'y'), "12/01/2026"));
    view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rowsOf(list()).size() == 5; }, 2000));
    EXPECT_EQ(rowsOf(list())[2].size(), 2000) << "shown whole";
    EXPECT_EQ(rowsOf(list())[3], "12/01/2026  -  " + QString(1985, 'y') + QChar(0x2026));
}

TEST_F(OverviewWindowTest, goToMovesTheCalendarToTheChosenLinesDateAndCloseHides) {
    t.writeFile("19990305.dnf", record("Dentist", "03/05/1999", "9:00:00 AM"));
    writeFiveDecemberNotes(t);
    view();
    clickRow(5);
    button("goTo").click();
    EXPECT_EQ(calendar().value(), (Date{1999, 3, 5}));
    EXPECT_EQ(note().noteText(), "Dentist");
    EXPECT_EQ(testing::markedDays(calendar()), std::vector<int>{5});
    clickRow(2);
    QTest::keyClick(&list(), Qt::Key_Return);
    EXPECT_EQ(note().noteText(), "note 3");
    clickRow(3);
    QTest::keyClick(&list(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(note().noteText(), "note 2");
    clickRow(4);
    const QRect row4 = list().visualRect(list().model()->index(4, 0));
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, row4.center());
    EXPECT_EQ(note().noteText(), "note 1");
    EXPECT_TRUE(t.told().empty());
    button("close").click(); // Close, Escape and the close box only hide it
    EXPECT_FALSE(overview().isVisible());
    testing::clickOn(window(), "View");
    QTest::keyClick(&overview(), Qt::Key_A); // of the keys, only Escape closes
    EXPECT_TRUE(overview().isVisible());
    QTest::keyClick(&overview(), Qt::Key_Escape);
    EXPECT_FALSE(overview().isVisible());
    overview().show();
    EXPECT_FALSE(overview().close());
    EXPECT_FALSE(overview().isVisible());
}

// Neither the focus the list gets on activation nor a line with an unreadable date is a choice.
TEST_F(OverviewWindowTest, goToWithoutAChosenLineSaysSoAndLooksAtTheFolder) {
    t.writeFile("20261203.dnf", record("note", "13/45/2026"));
    view();
    EXPECT_FALSE(list().currentIndex().isValid()) << "activation chose nothing";
    QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&list(), &tabbedIn);
    EXPECT_FALSE(list().currentIndex().isValid());
    t.writeFile("20261101.dnf", record("copied", "11/01/2026"));
    button("copy").click();
    EXPECT_TRUE(QApplication::clipboard()->text().endsWith("copied")) << "read anew";
    t.writeFile("20261220.dnf", record("added meanwhile", "12/20/2026"));
    button("goTo").click();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return rowsOf(list()).front() == "12/20/2026  -  added meanwhile"; }));
    std::filesystem::remove(t.file("20261220.dnf"));
    button("goTo").click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return rowsOf(list()).size() == 2; }));
    QTest::keyClick(&list(), Qt::Key_Down); // the line whose date cannot be read
    button("goTo").click();
    const testing::ShownMessage notSelected{"A Note Was Not Selected!", MessageStyle::Warning,
                                            "Error!"};
    EXPECT_EQ(t.told(), (testing::Told{notSelected, notSelected, notSelected}));
    EXPECT_EQ(calendar().value(), (Date{2026, 12, 6}));
}

// The button deletes at once; the key, easily pressed by mistake, asks first.
TEST_F(OverviewWindowTest, deleteRemovesTheSelectedNotesAndTheCalendarFollows) {
    writeFiveDecemberNotes(t);
    t.writeFile("20261206.dnf", record("today's", "12/06/2026"));
    view();
    button("delete").click(); // nothing selected: nothing goes
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_EQ(t.fileNames().size(), 6u);
    clickRow(0);
    clickRow(2, Qt::ControlModifier);
    clickRow(4, Qt::ControlModifier); // 6, 4 and 2 December
    button("delete").click();
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{fileOf(1), fileOf(3), fileOf(5)}));
    EXPECT_EQ(t.fakes.trash.held().size(), 3);
    EXPECT_EQ(rowsOf(list()), (QStringList{"12/05/2026  -  note 5", "12/03/2026  -  note 3",
                                           "12/01/2026  -  note 1"}));
    EXPECT_TRUE(note().noteText().isEmpty()) << "today's note was reloaded";
    EXPECT_EQ(testing::markedDays(calendar()), (std::vector<int>{1, 3, 5}));

    clickRow(1);
    t.fakes.messageBox.answers = {Answer::Cancel, Answer::Ok};
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_EQ(t.told(), (testing::Told{{"Delete the selected notes?", MessageStyle::DeleteOkCancel,
                                        "Delete?"}}));
    QTest::keyClick(&button("delete"), Qt::Key_Return); // Enter presses nothing
    EXPECT_TRUE(t.exists(fileOf(3)));
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_FALSE(t.exists(fileOf(3)));
    testing::activate(window());
    calendar().setFocus();
    QTest::keyClick(&calendar(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rowsOf(list()).size(), 3) << "back in the list";
    EXPECT_EQ(t.readFile(fileOf(3)), record("note 3", "12/03/2026"));
}

// Another machine's version of a note is listed apart until Keep both merges it into its day's.
TEST_F(OverviewWindowTest, otherVersionsAreListedAndKeepBothMergesThem) {
    writeFiveDecemberNotes(t);
    const char* copy = "20261203.sync-conflict-20261206-101010-ABCDEFG.dnf";
    t.writeFile(copy, record("theirs", "12/03/2026"));
    view();
    auto& versions = testing::childNamed<QListWidget>(overview(), "Other versions");
    EXPECT_EQ(rowsOf(versions),
              QStringList{QString("12/03/2026  -  another version (") + copy + ")"});
    EXPECT_FALSE(list().geometry().intersects(versions.geometry())) << "room made for them";
    button("keepBoth").click(); // none chosen
    EXPECT_TRUE(t.exists(copy));
    versions.setCurrentRow(0);
    button("keepBoth").click();
    EXPECT_EQ(
        t.readFile(fileOf(3)),
        record("note 3\r\n\r\n" + std::string(kYourVersionLine) + "\r\ntheirs", "12/03/2026"));
    EXPECT_EQ(t.fakes.trash.held().size(), 1);
    EXPECT_FALSE(versions.isVisibleTo(&overview()));
}

// Rows it did not reach stay selected, and so does a note whose file could not be deleted.
TEST_F(OverviewWindowTest, deleteStopsAtANoteThatCannotGoAndSaysWhich) {
    for (const bool fileStays : {false, true}) { // a folder in its place cannot be deleted
        TestProgram p;
        writeFiveDecemberNotes(p);
        p.started().showOverviewWindow();
        auto& list = testing::childNamed<QListView>(*p.program().overviewWindow(), "Notes");
        for (const int row : {0, 1, 2, 4}) { // 5, 4, 3 and 1 December
            list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::Select);
        }
        std::filesystem::remove(p.file(fileOf(3)));
        if (fileStays) {
            std::filesystem::create_directories(p.file(fileOf(3)) / "inside");
        }
        testing::childNamed<QPushButton>(*p.program().overviewWindow(), "delete").click();
        ASSERT_EQ(p.told().size(), 1u);
        EXPECT_TRUE(p.told()[0].text.startsWith(fileStays ? "The Note For 12/03/2026 Could Not "
                                                            "Be Deleted!"
                                                          : "The Note For 12/03/2026 Was Not "
                                                            "Found!"));
        EXPECT_FALSE(p.exists(fileOf(1)));
        EXPECT_EQ(p.fileNames().size(), fileStays ? 4u : 3u) << "5 December was not reached";
        EXPECT_EQ(rowsOf(list).size(), fileStays ? 4 : 3);
        for (int row = 0; row < list.model()->rowCount(); ++row) { // the last row went
            EXPECT_EQ(list.selectionModel()->isRowSelected(row), row < (fileStays ? 3 : 2)) << row;
        }
    }
}

// While the overview is on screen it follows note files that come and go, and the user's
// choice of a line stays with that line.
TEST_F(OverviewWindowTest, anOpenOverviewFollowsFilesThatComeAndGo) {
    t.writeFile("20261205.dnf", record("five", "12/05/2026"));
    t.writeFile("20261201.dnf", record("one", "12/01/2026"));
    view();
    clickRow(1);
    t.writeFile("20261224.dnf", record("written elsewhere", "12/24/2026"));
    std::filesystem::remove(t.file("20261205.dnf"));
    const QStringList rows{"12/24/2026  -  written elsewhere", "12/01/2026  -  one"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return rowsOf(list()) == rows; }, 2000));
    EXPECT_EQ(list().selectionModel()->selectedRows(), QModelIndexList{list().currentIndex()});
    EXPECT_EQ(list().currentIndex().row(), 1);
    overview().hide(); // shown again, it catches up with what came while it was out of sight
    t.writeFile("20261225.dnf", record("christmas", "12/25/2026"));
    view();
    EXPECT_TRUE(QTest::qWaitFor([&] { return rowsOf(list()).size() == 3; }, 2000));
}

// The program's own save and delete reach the open overview at once, not at the next look at
// the folder, and the user's choice of a line stays with that line.
TEST_F(OverviewWindowTest, theProgramsOwnSaveAndDeleteShowAtOnce) {
    t.writeFile("20261201.dnf", record("one", "12/01/2026"));
    view();
    clickRow(0);
    std::vector<std::vector<Date>> removed;
    QObject::connect(&t.program().notes(), &NoteBook::notesRemoved,
                     [&removed](const std::vector<Date>& days) { removed.push_back(days); });
    window().showDay(Date{2026, 12, 24});
    QTest::keyClicks(&note(), "Eve");
    EXPECT_EQ(rowsOf(list()), (QStringList{"12/24/2026  -  Eve", "12/01/2026  -  one"}));
    EXPECT_EQ(list().selectionModel()->selectedRows(), QModelIndexList{list().currentIndex()});
    EXPECT_EQ(list().currentIndex().row(), 1);
    option("thisNote").click();
    testing::clickOn(window(), "Clear");
    EXPECT_EQ(rowsOf(list()), QStringList{"12/01/2026  -  one"});
    EXPECT_EQ(list().currentIndex().row(), 0);
    EXPECT_EQ(removed, (std::vector<std::vector<Date>>{{Date{2026, 12, 24}}}));
}

// Only the notes holding every word typed show; the list goes on following the note book, and
// the commands take the lines shown.
TEST_F(OverviewWindowTest, aSearchShowsTheNotesHoldingEveryWordAndTheCommandsTakeThoseLines) {
    writeFiveDecemberNotes(t);
    t.writeFile("20261130.dnf", record("😀 Ça crème note", "11/30/2026"));
    view();
    QTest::keyClicks(&field(), "NOTE 12/0");
    EXPECT_EQ(count(), "5 of 6 notes");
    QTest::keyClick(&field(), Qt::Key_Down); // into the list, at its first line
    EXPECT_EQ(list().currentIndex().row(), 0);
    QTest::keyClick(&field(), Qt::Key_Down);
    QTest::keyClick(&field(), Qt::Key_Up); // and back
    EXPECT_EQ(list().currentIndex().row(), 0);
    for (int press = 0; press < 5; ++press) {
        QTest::keyClick(&field(), Qt::Key_Down);
    }
    EXPECT_EQ(list().currentIndex().row(), 4) << "down to the last line, and no further";
    clickRow(1);
    clickRow(3, Qt::ControlModifier); // 4 and 2 December
    button("delete").click();
    EXPECT_EQ(t.fileNames(),
              (std::vector<std::string>{"20261130.dnf", fileOf(1), fileOf(3), fileOf(5)}));
    window().showDay(Date{2026, 12, 8});
    QTest::keyClicks(&note(), "Cake");
    window().showDay(Date{2026, 12, 7});
    QTest::keyClicks(&note(), "Note 7"); // shows once the line holds "note"
    button("copy").click();
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Almanor Notes.\r\n12/07/2026  -  Note 7\r\n12/05/2026  -  note 5\r\n"
              "12/03/2026  -  note 3\r\n12/01/2026  -  note 1");
    EXPECT_EQ(count(), "4 of 6 notes");

    QTest::keyClick(&field(), Qt::Key_Escape); // empties the field, and then closes
    EXPECT_EQ(rowsOf(list()).size(), 6);
    EXPECT_TRUE(overview().isVisible() && count().isEmpty());
    QTest::keyClicks(&field(), "creme NOTE");
    EXPECT_EQ(rowsOf(list()), QStringList{"11/30/2026  -  😀 Ça crème note"});
    EXPECT_EQ(list().model()->index(0, 0).data(NoteListModel::kFoundRangesRole).value<QList<int>>(),
              (QList<int>{21, 26, 27, 31}));
    const auto marked = [this] { // the found words drawn on their mark
        list().doItemsLayout();  // a view lays out a changed model's rows later
        const QImage drawn = list().viewport()->grab().toImage();
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (drawn.pixelColor(x, y) == QColor(255, 221, 51)) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(marked());
    QTest::keyClick(&field(), Qt::Key_Return); // the one line found
    EXPECT_EQ(calendar().value(), (Date{2026, 11, 30}));
    QTest::keyClick(&field(), Qt::Key_Escape);
    EXPECT_FALSE(marked());
    QTest::keyClick(&field(), Qt::Key_Escape);
    EXPECT_FALSE(overview().isVisible());
}

TEST_F(OverviewWindowTest, onThisDayShowsTheNotesOfTheCalendarsDayInEveryYear) {
    t.writeFile("20240229.dnf", record("leap day", "02/29/2024"));
    t.writeFile("20230228.dnf", record("cake", "02/28/2023"));
    t.writeFile("20221206.dnf", record("cake", "12/06/2022"));
    t.writeFile("20261205.dnf", record("cake", "12/05/2026"));
    testing::activate(window()); // Ctrl+Shift+H in the calendar window, on its day: today
    QTest::keyClick(&window(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(overview().isVisible());
    EXPECT_EQ(rowsOf(list()), QStringList{"12/06/2022  -  cake"});
    EXPECT_EQ(count(), "1 of 4 notes");
    window().showDay(Date{2025, 2, 28}); // the list follows the calendar
    EXPECT_EQ(rowsOf(list()), (QStringList{"02/29/2024  -  leap day", "02/28/2023  -  cake"}));
    QTest::keyClicks(&field(), "cake");
    EXPECT_EQ(rowsOf(list()), QStringList{"02/28/2023  -  cake"});
    testing::childNamed<QCheckBox>(overview(), "onThisDay").click();
    EXPECT_EQ(count(), "3 of 4 notes");
    QApplication::setActiveWindow(&overview()); // Ctrl+F, as a window's key, needs it active
    QTest::keyClick(&list(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(field().selectedText(), "cake");
    EXPECT_TRUE(field().hasFocus());
}

} // namespace
} // namespace almanor
