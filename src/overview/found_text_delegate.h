#pragma once

#include <QStyledItemDelegate>

namespace almanor {

// Draws a row of the notes list with the words searched for marked behind them, as a marker
// pen would. A row without words found is drawn as the style draws it.
class FoundTextDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace almanor
