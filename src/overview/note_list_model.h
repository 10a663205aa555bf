#pragma once

#include "notes/note_search.h"

#include <QAbstractListModel>
#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace almanor {

class NoteBook;

// The list of all notes as the overview's list view sees it. It reads the note book's list in
// place, so ten thousand notes cost nothing until rows scroll into sight, follows each of its
// changes row by row, and shows each note on one row: a note of several lines has its line
// breaks drawn as a mark. With a search it shows only the notes the search finds, and still
// follows the list row by row rather than searching it anew at each change.
class NoteListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    // Where a row's shown text holds the words searched for: begin and end of each range.
    static constexpr int kFoundRangesRole = Qt::UserRole;

    explicit NoteListModel(const NoteBook& notes, QObject* parent = nullptr);

    // What stands for a line break in a row.
    static QString lineBreakMark();

    void setSearch(NoteSearch search);
    // The note book's row shown at `row`.
    std::size_t listRow(int row) const;
    // The note book's rows shown, in order; nothing when every row is.
    std::optional<std::span<const std::size_t>> shownListRows() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    bool searching() const { return !search_.asksNothing(); }
    void listAboutToChange(const ListChange& change);
    void listChanged(const ListChange& change);
    // The place in shown_ of list row `row`, or where it would be.
    int shownPlace(std::size_t row) const;
    void shiftShownRows(std::size_t from, std::ptrdiff_t by);
    void showListRow(int place, std::size_t row);
    void hideShownRow(int place);

    const NoteBook& notes_;
    NoteSearch search_;
    std::vector<std::size_t> shown_; // while searching, ascending
};

} // namespace almanor
