#pragma once

#include <QPlainTextEdit>

class QLabel;
class QTimer;

namespace almanor {

// The note field. A note holds at most 500 characters, a line break counting as two as it
// does in the file; the limit holds however text arrives (typed, pasted, dropped, composed).
// A longer note written by another program is shown whole and can only get shorter. A double
// quote cannot be stored in a note, so it becomes the closing curly quote as it is typed. Near
// the limit a line under the text counts the characters left, and it flashes when text that
// does not fit is refused.
class NoteEdit final : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int kMaxLength = 500;
    // Longer notes, written by other programs, are not shown for editing at all.
    static constexpr int kLongestNoteShown = 20000;
    // From this stored length on, the characters left are shown.
    static constexpr int kCountFrom = 450;

    explicit NoteEdit(QWidget* parent = nullptr);

    // Replaces the text without the limit (a note read from its file is shown whole).
    void setNoteText(const QString& text);
    QString noteText() const { return toPlainText(); }
    int limit() const { return limit_; }

    // Length as stored: a line break counts as two characters.
    static int storedLength(const QString& text);
    static QString withCurlyQuotes(QString text);

signals:
    // Raised once for every real change of the text, by the user or by the program.
    void noteChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // How much of `text` fits in place of the current selection.
    QString fitting(const QString& text) const;
    void insertLimited(const QString& text);
    void followLength();
    void showCount(int length);
    void placeCount();
    void flashCount(bool on);

    QLabel* count_ = nullptr;
    QTimer* countFlash_ = nullptr;
    int limit_ = kMaxLength;
    QString lastText_;
};

} // namespace almanor
