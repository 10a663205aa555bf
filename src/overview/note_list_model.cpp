#include "overview/note_list_model.h"

#include "notes/note_book.h"

namespace almanor {

namespace {

// A row shows no more than fits a screen; a huge note written by another program would
// otherwise make every repaint lay out megabytes of text. Copy still takes the whole line.
constexpr qsizetype kLongestShownLine = 2000;

QString withLineBreaksAs(const QString& line, const QString& mark) {
    QString shown =
        line.size() > kLongestShownLine ? line.left(kLongestShownLine) + QChar(0x2026) : line;
    shown.replace(QStringLiteral("\r\n"), mark);
    shown.replace(QLatin1Char('\r'), mark);
    shown.replace(QLatin1Char('\n'), mark);
    return shown;
}

} // namespace

NoteListModel::NoteListModel(const NoteBook& notes, QObject* parent)
    : QAbstractListModel(parent), notes_(notes) {
    // Row by row, so that the view keeps the user's selection, current row and scroll position.
    connect(&notes_, &NoteBook::listAboutToChange, this, [this](const ListChange& change) {
        const int row = static_cast<int>(change.row);
        if (change.kind == ListChange::Kind::Added) {
            beginInsertRows({}, row, row);
        } else if (change.kind == ListChange::Kind::Removed) {
            beginRemoveRows({}, row, row);
        }
    });
    connect(&notes_, &NoteBook::listChanged, this, [this](const ListChange& change) {
        switch (change.kind) {
        case ListChange::Kind::Added:
            endInsertRows();
            break;
        case ListChange::Kind::Removed:
            endRemoveRows();
            break;
        case ListChange::Kind::Changed:
            emit dataChanged(index(static_cast<int>(change.row)),
                             index(static_cast<int>(change.row)));
            break;
        }
    });
}

QString NoteListModel::lineBreakMark() {
    return QStringLiteral(" ") + QChar(0x00B6) + QStringLiteral(" ");
}

int NoteListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(notes_.list().size());
}

QVariant NoteListModel::data(const QModelIndex& index, int role) const {
    const NoteList& list = notes_.list();
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= list.size()) {
        return {};
    }
    const std::string_view text = list[static_cast<std::size_t>(index.row())].line;
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

} // namespace almanor
