#include "calendar/note_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <algorithm>

namespace almanor {

NoteEdit::NoteEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
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
    limit_ = std::max(kMaxLength, std::min(limit_, storedLength(lastText_)));
    emit noteChanged();
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
    QInputMethodEvent limited(event->preeditString(), event->attributes());
    limited.setCommitString(fitting(withCurlyQuotes(event->commitString())),
                            event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&limited);
}

} // namespace almanor
