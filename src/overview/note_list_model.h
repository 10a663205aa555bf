#pragma once

#include <QAbstractListModel>
#include <QString>

namespace almanor {

class NoteBook;

// The list of all notes as the overview's list view sees it. It reads the note book's list in
// place, so ten thousand notes cost nothing until rows scroll into sight, follows each of its
// changes row by row, and shows each note on one row: a note of several lines has its line
// breaks drawn as a mark.
class NoteListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit NoteListModel(const NoteBook& notes, QObject* parent = nullptr);

    // What stands for a line break in a row.
    static QString lineBreakMark();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const NoteBook& notes_;
};

} // namespace almanor
