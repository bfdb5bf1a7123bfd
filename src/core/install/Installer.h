#pragma once

#include "core/install/FailureNotes.h"
#include "core/install/InstalledFile.h"
#include "core/install/ModInstaller.h"
#include "core/script/ModReader.h"

#include <QHash>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace Quillwright {

namespace Install {

// The installer at work (inside ModInstaller.cpp and OpenFileActions.cpp):
// each action's keyword looked up in one table of handlers, what the
// action needs before it checked once for all, and the state an OPEN, a
// FIND and an IN-LINE FIND leave for the actions after them.
class Installer {
public:
    Installer(const std::vector<Script>& scripts, const FileTree& forum)
        : m_scripts(scripts), m_forum(forum)
    {}
    Result run();

private:
    // A number found in a line by a placeholder: where it stands.
    struct Number {
        int line = 0;
        qsizetype start = 0;
        qsizetype length = 0;
    };

    // The lines the last FIND matched: [start, end), consecutive after edits.
    struct Match {
        int start = 0;
        int end = 0;
    };

    // The last IN-LINE FIND's fragment in its line, and where IN-LINE
    // additions after it and before it go.
    struct Fragment {
        int line = 0;
        qsizetype start = 0;
        qsizetype end = 0;
        qsizetype addAfter = 0;
        qsizetype addBefore = 0;
    };

    // Where the actions on the open file stand; each OPEN starts afresh.
    struct Place {
        InstalledFile* file = nullptr; // none before an OPEN, or after one that failed
        int searchFrom = 0;            // the next FIND starts at this line
        std::optional<Match> match;
        std::optional<Fragment> fragment;
        std::map<int, Number> numbers; // what each placeholder {%:N} found
        bool skipToFind = false;       // an unknown keyword or a failed FIND: skip to the next FIND
        bool skipToInline = false;     // a failed IN-LINE FIND: skip its IN-LINE actions
    };

    // What an action needs before it, which an OPEN, a FIND or an IN-LINE FIND gives.
    enum class Needs { Nothing, File, Find, Fragment };

    struct Handler {
        void (Installer::*act)(const ModReader::Action&);
        Needs needs;
    };
    // The keywords installers know, each with what carries it out.
    static const QHash<QString, Handler>& handlers();

    void runScript(int index);
    bool hasWhatItNeeds(const ModReader::Action& a, Needs needs);

    // The keywords' handlers: OPEN, COPY, the to-dos and the keywords no
    // installer knows here (ModInstaller.cpp); FIND and the actions on the
    // open file in OpenFileActions.cpp.
    void openAction(const ModReader::Action& a);
    void copyAction(const ModReader::Action& a);
    void toDo(const ModReader::Action& a);
    void saveAll(const ModReader::Action&) {}
    void findAction(const ModReader::Action& a);
    void inlineFindAction(const ModReader::Action& a);
    void beforeAdd(const ModReader::Action& a);
    void afterAdd(const ModReader::Action& a);
    void replaceWith(const ModReader::Action& a);
    void increment(const ModReader::Action& a);
    void inlineAfterAdd(const ModReader::Action& a);
    void inlineBeforeAdd(const ModReader::Action& a);
    void inlineReplaceWith(const ModReader::Action& a);
    void unknownKeyword(const ModReader::Action& a);
    void nothingToInstall(const std::vector<ModReader::Action>& actions);

    std::optional<Match> find(const ModReader::Action& a);
    std::optional<Fragment> inlineFind(const ModReader::Action& a);
    std::vector<QString> content(const ModReader::Action& a) const;
    QString inlineText(const ModReader::Action& a) const;
    Origin origin() const { return {m_script, m_action->bannerLine}; }
    void insertLines(int at, const std::vector<QString>& lines);
    void replaceLines(const std::vector<QString>& lines);
    void changeLine(int line, const QString& text);
    InstalledFile* open(const QString& path);
    InstalledFile* placeCopy(const QString& path, const QByteArray& bytes);
    bool isMadeFolder(const QString& path) const;
    void opened(const QString& path);

    int report(int line, int column, int length, Checker::Severity severity, const char* rule,
               const QString& message);
    int reportAtBanner(const ModReader::Action& a, const char* rule, const QString& message);
    void skip(const ModReader::Action& a);
    void endSkip();

    const std::vector<Script>& m_scripts;
    FileTree m_forum;
    Result m_result;
    std::vector<std::unique_ptr<InstalledFile>> m_files; // in the order first opened
    QHash<QString, InstalledFile*> m_byPath;
    QString m_reportPath; // the file findings are about now

    // The script being installed.
    int m_script = 0;
    const std::vector<QStringView>* m_lines = nullptr;
    const ModReader::Action* m_action = nullptr;
    bool m_opened = false;    // an OPEN came, whether or not it succeeded
    bool m_explained = false; // what the script needs first was said
    Place m_place;
    // The failure whose consequences are being skipped, and the actions left out.
    int m_skipCause = -1;
    std::vector<Skipped> m_skipped;
};

} // namespace Install

} // namespace Quillwright
