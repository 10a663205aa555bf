#include "overview/note_list_model.h"

#include "notes/note_book.h"

#include <algorithm>

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

// The search works on UTF-8 bytes, the view counts UTF-16 units.
QList<int> inUtf16Units(const QByteArray& utf8, const std::vector<TextRange>& ranges) {
    QList<int> units;
    int unit = 0;
    std::size_t byte = 0;
    const auto unitAt = [&](std::size_t offset) {
        for (; byte < offset; ++byte) {
            const auto c = static_cast<unsigned char>(utf8[static_cast<qsizetype>(byte)]);
            if ((c & 0xC0) != 0x80) {
                unit += c >= 0xF0 ? 2 : 1; // beyond the first plane: a surrogate pair
            }
        }
        return unit;
    };
    for (const TextRange& range : ranges) {
        units << unitAt(range.begin);
        units << unitAt(range.end);
    }
    return units;
}

} // namespace

NoteListModel::NoteListModel(const NoteBook& notes, QObject* parent)
    : QAbstractListModel(parent), notes_(notes) {
    // Row by row, so that the view keeps the user's selection, current row and scroll position.
    connect(&notes_, &NoteBook::listAboutToChange, this, &NoteListModel::listAboutToChange);
    connect(&notes_, &NoteBook::listChanged, this, &NoteListModel::listChanged);
}

void NoteListModel::listAboutToChange(const ListChange& change) {
    const int row = static_cast<int>(change.row);
    if (searching()) {
        // Out of the view while the list still holds it; the rows after it move up afterwards.
        const int place = shownPlace(change.row);
        if (change.kind == ListChange::Kind::Removed && place < static_cast<int>(shown_.size()) &&
            shown_[static_cast<std::size_t>(place)] == change.row) {
            hideShownRow(place);
        }
    } else if (change.kind == ListChange::Kind::Added) {
        beginInsertRows({}, row, row);
    } else if (change.kind == ListChange::Kind::Removed) {
        beginRemoveRows({}, row, row);
    }
}

void NoteListModel::listChanged(const ListChange& change) {
    if (!searching()) {
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
        return;
    }
    if (change.kind == ListChange::Kind::Removed) {
        shiftShownRows(change.row, -1);
        return;
    }
    if (change.kind == ListChange::Kind::Added) {
        shiftShownRows(change.row, 1);
    }
    const int place = shownPlace(change.row);
    const bool shown = place < static_cast<int>(shown_.size()) &&
                       shown_[static_cast<std::size_t>(place)] == change.row;
    const bool found = search_.matches(notes_.list()[change.row]);
    if (shown && found) {
        emit dataChanged(index(place), index(place));
    } else if (shown) {
        hideShownRow(place);
    } else if (found) {
        showListRow(place, change.row);
    }
}

int NoteListModel::shownPlace(std::size_t row) const {
    return static_cast<int>(std::ranges::lower_bound(shown_, row) - shown_.begin());
}

void NoteListModel::shiftShownRows(std::size_t from, std::ptrdiff_t by) {
    for (auto row = shown_.begin() + shownPlace(from); row != shown_.end(); ++row) {
        *row = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(*row) + by);
    }
}

void NoteListModel::showListRow(int place, std::size_t row) {
    beginInsertRows({}, place, place);
    shown_.insert(shown_.begin() + place, row);
    endInsertRows();
}

void NoteListModel::hideShownRow(int place) {
    beginRemoveRows({}, place, place);
    shown_.erase(shown_.begin() + place);
    endRemoveRows();
}

void NoteListModel::setSearch(NoteSearch search) {
    if (search.asksTheSame(search_)) {
        return;
    }
    beginResetModel();
    if (search.asksNothing()) {
        shown_ = {};
    } else if (searching() && search.narrows(search_)) {
        shown_ = search.filter(notes_.list(), shown_); // a word typed on looks at fewer notes
    } else {
        shown_ = search.filter(notes_.list());
    }
    search_ = std::move(search);
    endResetModel();
}

std::size_t NoteListModel::listRow(int row) const {
    return searching() ? shown_[static_cast<std::size_t>(row)] : static_cast<std::size_t>(row);
}

std::optional<std::span<const std::size_t>> NoteListModel::shownListRows() const {
    return searching() ? std::optional(std::span<const std::size_t>(shown_)) : std::nullopt;
}

QString NoteListModel::lineBreakMark() {
    return QStringLiteral(" ") + QChar(0x00B6) + QStringLiteral(" ");
}

int NoteListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return static_cast<int>(searching() ? shown_.size() : notes_.list().size());
}

QVariant NoteListModel::data(const QModelIndex& index, int role) const {
    const NoteList& list = notes_.list();
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const std::string_view text = list[listRow(index.row())].line;
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    switch (role) {
    case Qt::DisplayRole:
        return withLineBreaksAs(line, lineBreakMark());
    case Qt::ToolTipRole:
        // The whole note, as it was written, for a row too long to read.
        return withLineBreaksAs(line, QStringLiteral("\n"));
    case kFoundRangesRole: {
        // Looked for in the row as shown, so that the ranges fall on what is drawn.
        const QByteArray shown = withLineBreaksAs(line, lineBreakMark()).toUtf8();
        return QVariant::fromValue(
            inUtf16Units(shown, search_.foundRanges(std::string_view(
                                    shown.data(), static_cast<std::size_t>(shown.size())))));
    }
    default:
        return {};
    }
}

} // namespace almanor
