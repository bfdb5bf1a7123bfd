#pragma once

#include "core/install/UnifiedDiff.h"

#include <QPlainTextEdit>
#include <vector>

namespace Quillwright {

// The preview's picture of one file's change: the forum's line number, the
// installed file's, then the line, coloured as diff tools colour them. It
// has a caret that the arrow and page keys move, so that a screen reader
// reads it line by line; the kind and numbers of the line at the caret are
// its accessible description. Shown again with the same file, it keeps the
// caret and the scroll where the reader left them.
class PreviewDiff : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PreviewDiff(QWidget* parent = nullptr);

    void showRows(const QString& path, const std::vector<Install::DiffRow>& rows);
    // A note in place of a diff (no change, not text).
    void showNote(const QString& path, const QString& note);

private:
    void showText(const QString& path, const QString& text);
    void colourRows();
    void describeCaretLine();

    QString m_path;
    std::vector<Install::DiffRow> m_rows;
};

} // namespace Quillwright
