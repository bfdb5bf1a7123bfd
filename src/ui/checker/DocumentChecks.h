#pragma once

#include "core/checker/Finding.h"
#include "core/encoding/TextEncoding.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <vector>

class QPoint;
class QTimer;

namespace Quillwright {

class EditorMarks;
class ModEditor;
class QtRichTextControl;

// The script checker in a document window: a check at the pause after the
// last change, the findings underlined in the script (never in its colours,
// which belong to the colouring and travel with copied text), their
// messages as tooltips and in the status, and F8 from one to the next.
// It hears the editor's viewport, scroll bar and caret, so it goes before
// the editor does (and the control and the marks, which it reads).
class DocumentChecks : public QObject {
    Q_OBJECT
public:
    static constexpr int CheckPause = 700; // milliseconds after the last change

    DocumentChecks(QtRichTextControl& control, ModEditor& editor, EditorMarks& marks,
                   std::function<TextEncoding()> encoding, QObject* parent);

    // The findings of the last check, in line order.
    const std::vector<Checker::Finding>& findings() const { return m_findings; }
    void checkNow();
    // With a forum's folder, each check also tries every FIND against its files.
    void setForumFolder(const QString& folder);
    QString forumFolder() const { return m_forumFolder; }
    // Kinds of problem the user chose not to see (rule ids).
    void setIgnoredRules(const QStringList& rules);
    // The rule of a finding at the caret; empty when none is there.
    QString ruleAtCaret() const;
    // The finding under the caret with its severity in words ("Warning: ..."),
    // so that F8 is heard, not only seen; empty when none is there.
    QString caretFinding() const { return m_caretFinding; }
    // F8 and Shift+F8: the caret to the next or the previous finding.
    void goToFinding(int direction);
    // The window grew: lines beyond the underlined ones may show.
    void underlineFindingsInView();

signals:
    // A check found what findings() now holds.
    void findingsChanged();
    void caretFindingChanged();
    // The user chose not to be told of this kind of problem again.
    void ignoreRuleRequested(const QString& rule);

protected:
    // The script's tooltips tell of the findings under the mouse.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void underlineFindings();
    void showCaretFinding();
    QString findingsAt(const QPoint& viewportPos) const;
    QString ruleAt(const QPoint& viewportPos) const;
    // The findings that cover column `column` of line `line` (both from 1).
    std::vector<const Checker::Finding*> findingsAtPlace(int line, int column) const;

    QtRichTextControl& m_control;
    ModEditor& m_editor;
    EditorMarks& m_marks;
    std::function<TextEncoding()> m_encoding;
    QTimer* m_timer;
    std::vector<Checker::Finding> m_findings;
    bool m_current = false;                  // no change since the check that found them
    std::pair<int, int> m_underlined{0, -1}; // the lines whose findings are underlined
    QString m_forumFolder;
    QStringList m_ignoredRules;
    QString m_caretFinding;
};

} // namespace Quillwright
