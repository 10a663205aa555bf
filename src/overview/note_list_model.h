#pragma once

#include "notes/note_list.h"

#include <QAbstractListModel>
#include <QString>
#include <functional>

namespace almanor {

// The program's note list as the overview's list view sees it. It reads the list in place,
// so ten thousand notes cost nothing until rows scroll into sight, and it shows each note on
// one row: a note of several lines has its line breaks drawn as a mark.
class NoteListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit NoteListModel(const NoteList& notes, QObject* parent = nullptr);

    // What stands for a line break in a row.
    static QString lineBreakMark();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The list was replaced: the views read it afresh and forget selection and current row.
    void listReset();
    // Runs `change`, which alters the list, as one reset of the views.
    void changeList(const std::function<void()>& change);

private:
    const NoteList& notes_;
    // The row count the views were last told. The list may be replaced before the model
    // hears of it; until then the views keep seeing the old count.
    int rows_ = 0;
};

} // namespace almanor
