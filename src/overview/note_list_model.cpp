#include "overview/note_list_model.h"

namespace almanor {

namespace {

int rowsOf(const NoteList& notes) {
    return static_cast<int>(notes.size());
}

// A row shows no more than fits a screen; a huge note written by another program would
// otherwise make every repaint lay out megabytes of text. Copy still takes the whole line.
constexpr qsizetype kLongestShownLine = 2000;

QString withLineBreaksAs(const QString& line, const QString& mark) {
    QString shown = line.size() > kLongestShownLine ? line.left(kLongestShownLine) + QChar(0x2026)
                                                     : line;
    shown.replace(QStringLiteral("\r\n"), mark);
    shown.replace(QLatin1Char('\r'), mark);
    shown.replace(QLatin1Char('\n'), mark);
    return shown;
}

} // namespace

NoteListModel::NoteListModel(const NoteList& notes, QObject* parent)
    : QAbstractListModel(parent), notes_(notes), rows_(rowsOf(notes)) {}

QString NoteListModel::lineBreakMark() {
    return QStringLiteral(" ") + QChar(0x00B6) + QStringLiteral(" ");
}

int NoteListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant NoteListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowsOf(notes_)) {
        return {};
    }
    const QString line = QString::fromStdString(notes_[static_cast<std::size_t>(index.row())].line);
    switch (role) {
    case Qt::DisplayRole:
        return withLineBreaksAs(line, lineBreakMark());
    case Qt::ToolTipRole:
        // The whole note, as it was written, for a row too long to read.
        return withLineBreaksAs(line, QStringLiteral("\n"));
    default:
        return {};
    }
}

void NoteListModel::listReset() {
    beginResetModel();
    rows_ = rowsOf(notes_);
    endResetModel();
}

void NoteListModel::changeList(const std::function<void()>& change) {
    beginResetModel();
    // The views must hear the end of the reset even when the change fails half-way.
    struct EndReset {
        NoteListModel& model;
        ~EndReset() {
            model.rows_ = rowsOf(model.notes_);
            model.endResetModel();
        }
    } endReset{*this};
    change();
}

} // namespace almanor
