#pragma once

#include "document/RichTextControl.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>

class QPrinter;
class QMimeData;

// The editor that shows a script: a QPlainTextEdit, whose layout touches
// only the lines that change, holding coloured text. Typed text goes
// through the control so that its colour follows the same rule as every
// other insertion, and the widget's own undo stack is off: Ctrl+Z reaches
// the program's Undo.
class ModEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ModEditor(QWidget* parent = nullptr);
    void setControl(RichTextControl* control) { m_control = control; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool deleteKey(QKeyEvent* e);
    void inputMethodEvent(QInputMethodEvent* e) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    RichTextControl* m_control = nullptr;
};

class QtRichTextControl : public RichTextControl {
    Q_OBJECT
public:
    explicit QtRichTextControl(QPlainTextEdit* editor, QObject* parent = nullptr);

    QPlainTextEdit* editor() const { return m_editor; }

    QString text() const override;
    int textLength() const override;
    void setText(const QString& text) override;
    QString rtf() const override;
    void setRtf(const QString& rtf) override;
    StyledText styledText() const override;
    void setStyledText(const StyledText& content) override;

    int selStart() const override;
    int selLength() const override;
    void setSelStart(int start) override;
    void setSelLength(int length) override;

    QString selText() const override;
    void setSelText(const QString& text) override;
    QString selRtf() const override;
    void setSelRtf(const QString& rtf) override;

    TextColor selColor() const override;
    void setSelColor(TextColor color) override;

    int find(const QString& needle, std::optional<int> start = std::nullopt) override;

    int lineCount() const override;
    int lineStart(int line) const override;
    int lineAt(int pos) const override;
    StyledText line(int line) const override;
    void setLine(int line, const StyledText& content) override;

    QString fontName() const override { return m_fontName; }
    void setFontName(const QString& name) override;
    int rightMargin() const override { return m_rightMargin; }
    void setRightMargin(int twips) override;

    // Prints the selection, or the whole text when nothing is selected.
    void printSelection(QPrinter* printer) const;

    // The content as the QTextDocument holds it, never from the cache.
    StyledText documentContent() const;

    // Position mapping between CR LF positions and document positions.
    int toDocPosition(int pos) const;
    int fromDocPosition(int docPos) const;

protected:
    void batchBegan() override;
    void batchEnded() override;

private:
    QTextCursor cursor() const;
    StyledText styledRange(int start, int end) const;
    StyledText blockContent(const QTextBlock& block) const;
    QTextBlock blockNumber(int line) const;
    TextColor insertionColorAt(int pos) const;
    const StyledText& cachedContent() const;
    void insertStyled(QTextCursor& cursor, const StyledText& content);
    void replaceRange(int start, int length, const StyledText& content);
    void replaceSelectionWith(const StyledText& content);
    void select(int start, int end);
    void onContentsChange(int pos, int removed, int added);

    QPlainTextEdit* m_editor;
    QString m_fontName = QStringLiteral("Lucida Console");
    int m_rightMargin = 0;
    int m_programmatic = 0;
    // What the document holds, as one string with its colour runs.
    // Built when asked for and dropped at every change, so that typing
    // never copies the whole text.
    mutable std::optional<StyledText> m_cache;
    int m_blockCount = 1;
    // The block last asked for by number; forgotten when blocks come or go.
    mutable QTextBlock m_lastBlock;
    mutable int m_lastBlockNumber = -1;
    // While a handler works, the selection is kept here and shown once.
    std::optional<QTextCursor> m_heldCursor;
    QTextCursor m_batchEdit;
};
