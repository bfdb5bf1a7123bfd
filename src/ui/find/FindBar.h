#pragma once

#include "core/text/TextSearch.h"
#include "ui/find/FieldHistory.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;

namespace Quillwright {

class SettingsStore;
class QtRichTextControl;

// The find and replace bar below a script, hidden until asked for, with the
// keys of the common text editors: Ctrl+F finds, Ctrl+H replaces, Return or
// F3 the next match, Shift+Return or Shift+F3 the one before, Alt+R
// replaces the match and finds the next, Alt+A replaces every match as one
// edit, Esc (or Tab past its last control) closes the bar and gives the
// script the focus back.
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QtRichTextControl& control, QWidget* parent = nullptr);

    enum class Mode { Find, Replace };
    // Shows the bar with the focus in the find field. A selection on one
    // line becomes the text looked for; one over several lines becomes the
    // stretch searched.
    void open(Mode mode);
    void close();

    // Each selects the match it finds and says whether there was one.
    bool findNext();
    bool findPrevious();
    // Replaces the selected match, if the selection is one, and finds the next.
    bool replace();
    // Replaces every match in the stretch searched as one edit; returns how many.
    int replaceAll();

    // The matches that start in [from, to) of the CR LF text, while the bar
    // is shown: what is in view is highlighted.
    std::vector<TextMatch> matchesIn(int from, int to);
    // Where the fields' last entries are kept (shared by every document's bar).
    void setHistoryStore(SettingsStore* settings)
    {
        m_findHistory.setStore(settings);
        m_replaceHistory.setStore(settings);
    }

    QLineEdit* findField() const { return m_find; }
    QLineEdit* replaceField() const { return m_replace; }
    QLabel* status() const { return m_status; }
    SearchOptions options() const;
    void setOptions(SearchOptions options, bool inSelection);

signals:
    // The bar was shown or hidden: the window lays itself out again.
    void visibilityChanged();
    // Around each replacement, so that undo takes it back on its own.
    void aboutToReplace();
    void replaced();
    // What matchesIn() answers may have changed (another pattern, the bar
    // shown or hidden, the text counted again).
    void matchesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab out of the bar, either way, goes back to the script as Esc does.
    bool focusNextPrevChild(bool next) override;

private:
    TextSearch search() const;
    TextRange scope() const;
    // The matches of the stretch searched, kept until the text, the pattern
    // or the options change, so stepping from match to match at any size
    // costs a lookup.
    const std::vector<TextMatch>& matches();
    void forgetMatches() { m_matchesFor.reset(); }
    bool step(bool forward, bool fromSelectionStart);
    void select(TextMatch match);
    void showCount(const QString& notice = QString());
    void searchAsTyped();

    QtRichTextControl& m_control;
    QLineEdit* m_find;
    QLineEdit* m_replace;
    QLabel* m_replaceLabel;
    QPushButton* m_replaceButton;
    QPushButton* m_replaceAllButton;
    QCheckBox* m_matchCase;
    QCheckBox* m_wholeWords;
    QCheckBox* m_regularExpression;
    QCheckBox* m_inSelection;
    QLabel* m_status;
    std::optional<TextRange> m_selectionScope;
    std::vector<TextMatch> m_matches;
    // What the matches were found for: the control's revision, the pattern,
    // the options and the stretch searched.
    struct MatchesKey {
        quint64 revision = 0;
        QString pattern;
        bool matchCase = false;
        bool wholeWords = false;
        bool regularExpression = false;
        int scopeStart = 0;
        int scopeEnd = 0;
        friend bool operator==(const MatchesKey&, const MatchesKey&) = default;
    };
    MatchesKey matchesKey() const;
    std::optional<MatchesKey> m_matchesFor;
    bool m_matchesCapped = false;
    bool m_matchesGaveUp = false; // the engine's backtracking limit was reached
    int m_typedFrom = 0;          // where the search as one types starts
    QTimer* m_recount;            // the count follows the text (an undo, typing) at a pause
    FieldHistory m_findHistory{QStringLiteral("Find")};
    FieldHistory m_replaceHistory{QStringLiteral("Replace")};
};

} // namespace Quillwright
