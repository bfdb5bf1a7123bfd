#pragma once

#include <QObject>
#include <QString>

namespace Quillwright {

class DocumentChecks;
class ModEditor;
class RichTextControl;

// What assistive technology is told of a script beyond its text, as its
// accessible description. When the focus comes into the script: what the
// next key acts on, the selected text or that nothing is selected, as a
// text field says it (a Tab typed over a match nobody heard of replaces
// it); that stays until the selection changes. And the checker's finding
// under the caret, for as long as the caret is on it.
class ScriptDescription : public QObject {
    Q_OBJECT
public:
    ScriptDescription(ModEditor& editor, const RichTextControl& control,
                      const DocumentChecks& checks);

    // "nothing selected", "“text” selected" or "3 lines selected".
    static QString selectionWords(const RichTextControl& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    ModEditor& m_editor;
    const RichTextControl& m_control;
    const DocumentChecks& m_checks;
    QString m_selection; // said from the focus coming in until the selection changes
    int m_selStart = 0;
    int m_selLength = 0;
};

} // namespace Quillwright
