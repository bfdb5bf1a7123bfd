#pragma once

#include "core/control/RichTextControl.h"

#include <vector>

namespace Quillwright {

// The reference editor: a string, one colour per character and a
// selection. Every logic test runs on it; the editor widget's control must agree.
class MemoryRichTextControl : public RichTextControl {
    Q_OBJECT
public:
    explicit MemoryRichTextControl(QObject* parent = nullptr);

    QString text() const override { return m_text; }
    int textLength() const override { return int(m_text.size()); }
    StyledText styledText() const override;
    void setStyledText(const StyledText& content) override;

    int selStart() const override { return m_selStart; }
    int selLength() const override { return m_selLength; }
    void setSelStart(int start) override;
    void setSelLength(int length) override;

    QString selText() const override;
    void setSelText(const QString& text) override;
    QString selRtf() const override;

    TextColor selColor() const override;
    void setSelColor(TextColor color) override;

    int find(const QString& needle, std::optional<int> start = std::nullopt) override;

    int lineStart(int line) const override;
    LinePtr line(int line) const override;

protected:
    void replaceSelectionStyled(const StyledText& content) override;

private:
    void replaceSelection(const StyledText& insert);

    QString m_text;
    std::vector<TextColor> m_colors;
    int m_selStart = 0;
    int m_selLength = 0;
};

} // namespace Quillwright
