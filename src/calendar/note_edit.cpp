#include "calendar/note_edit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>

namespace almanor {

namespace {

// Long enough to be seen, short enough not to be in the way of the next key.
constexpr int kFlashMs = 400;

} // namespace

NoteEdit::NoteEdit(QWidget* parent)
    : QPlainTextEdit(parent), count_(new QLabel(this)), countFlash_(new QTimer(this)) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    count_->setObjectName(QStringLiteral("charactersLeft"));
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count_->setIndent(count_->fontMetrics().averageCharWidth());
    count_->setAutoFillBackground(true);
    count_->hide();
    flashCount(false);
    countFlash_->setObjectName(QStringLiteral("countFlash"));
    countFlash_->setSingleShot(true);
    countFlash_->setInterval(kFlashMs);
    connect(countFlash_, &QTimer::timeout, this, [this] { flashCount(false); });
    connect(this, &QPlainTextEdit::textChanged, this, &NoteEdit::followLength);
}

int NoteEdit::storedLength(const QString& text) {
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

QString NoteEdit::withCurlyQuotes(QString text) {
    return text.replace(QLatin1Char('"'), QChar(0x201D));
}

void NoteEdit::setNoteText(const QString& text) {
    limit_ = std::max(kMaxLength, storedLength(text));
    setPlainText(text);
}

void NoteEdit::followLength() {
    QString text = toPlainText();
    if (text == lastText_) {
        return; // Qt also reports changes of layout and of an identical text
    }
    lastText_ = std::move(text);
    // A note longer than the limit may shrink but never grow back.
    const int length = storedLength(lastText_);
    limit_ = std::max(kMaxLength, std::min(limit_, length));
    showCount(length);
    emit noteChanged();
}

void NoteEdit::showCount(int length) {
    const bool shown = length >= kCountFrom;
    if (shown) {
        count_->setText(tr("%1 left").arg(limit_ - length));
    }
    if (shown == count_->isHidden()) {
        count_->setVisible(shown);
        // The count has a line of its own, so that it never hides the end of the text.
        setViewportMargins(0, 0, 0, shown ? count_->sizeHint().height() : 0);
        placeCount();
    }
}

void NoteEdit::placeCount() {
    const QRect text = viewport()->geometry();
    count_->setGeometry(text.left(), text.bottom() + 1, text.width(), count_->sizeHint().height());
}

void NoteEdit::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    placeCount();
}

void NoteEdit::flashCount(bool on) {
    count_->setBackgroundRole(on ? QPalette::Highlight : QPalette::Base);
    count_->setForegroundRole(on ? QPalette::HighlightedText : QPalette::PlaceholderText);
    if (on) {
        countFlash_->start();
    }
}

QString NoteEdit::fitting(const QString& text) const {
    const QString selected =
        textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    int room = limit_ - storedLength(toPlainText()) + storedLength(selected);
    QString result;
    for (const QChar c : text) {
        const int cost = c == QLatin1Char('\n') ? 2 : 1;
        if (cost > room) {
            break;
        }
        room -= cost;
        result += c;
    }
    // Never split a surrogate pair.
    if (!result.isEmpty() && result.back().isHighSurrogate()) {
        result.chop(1);
    }
    return result;
}

void NoteEdit::insertLimited(const QString& text) {
    const QString allowed = fitting(withCurlyQuotes(text));
    if (allowed.size() < text.size()) {
        flashCount(true);
    }
    if (!allowed.isEmpty() || textCursor().hasSelection()) {
        textCursor().insertText(allowed);
        ensureCursorVisible();
    }
}

void NoteEdit::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QStringLiteral("\n") : event->text();
    const bool printable = lineBreak || (!typed.isEmpty() && typed.at(0).isPrint() &&
                                         !(event->modifiers() & Qt::ControlModifier));
    if (printable) {
        insertLimited(typed);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void NoteEdit::insertFromMimeData(const QMimeData* source) {
    if (source != nullptr && source->hasText()) {
        QString text = source->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        insertLimited(text);
    }
}

void NoteEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    const QString allowed = fitting(withCurlyQuotes(event->commitString()));
    if (allowed.size() < event->commitString().size()) {
        flashCount(true);
    }
    QInputMethodEvent limited(event->preeditString(), event->attributes());
    limited.setCommitString(allowed, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&limited);
}

} // namespace almanor
