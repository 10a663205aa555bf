#include "overview/found_text_delegate.h"

#include "overview/note_list_model.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

namespace almanor {

void FoundTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const auto found = index.data(NoteListModel::kFoundRangesRole).value<QList<int>>();
    if (found.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = item.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    // The style draws the row without its text (background, selection, focus mark); the text
    // follows with the marks under it, placed within the same margins as the style's.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                           .adjusted(margin, 0, -margin, 0);
    const QString text = item.fontMetrics.elidedText(item.text, item.textElideMode, area.width());
    item.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    QTextCharFormat marked;
    marked.setBackground(QColor(255, 221, 51));
    marked.setForeground(QColor(Qt::black)); // readable on the mark also in a selected row
    QList<QTextLayout::FormatRange> formats;
    for (qsizetype i = 0; i + 1 < found.size(); i += 2) {
        const int end = std::min(found[i + 1], static_cast<int>(text.size()));
        if (found[i] < end) {
            formats.append({found[i], end - found[i], marked});
        }
    }
    QTextLayout layout(text, item.font);
    layout.setFormats(formats);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(area.width());
    layout.endLayout();

    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setPen(
        item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    layout.draw(painter, QPointF(area.left(), area.top() + (area.height() - line.height()) / 2));
    painter->restore();
}

} // namespace almanor
