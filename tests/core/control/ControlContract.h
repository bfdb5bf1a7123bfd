#pragma once

#include "core/script/ScriptFile.h"

#include "core/control/RichTextControl.h"

#include <QObject>
#include <functional>
#include <memory>

namespace Quillwright {

// One contract, run against every editor control: the in-memory reference
// and the one over the editor widget (a QPlainTextEdit) must give the
// same answers.
class ControlContract : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<RichTextControl>()>;
    // An edit the widget makes on its own (cut, drag and drop, input
    // methods): replaces `removed` characters at `pos` with `insert`.
    using OutsideEdit =
        std::function<void(RichTextControl&, int pos, int removed, const QString& insert)>;
    explicit ControlContract(Factory make, OutsideEdit outside = {})
        : m_make(std::move(make)), m_outside(std::move(outside))
    {}

private slots:
    void setText_makesEveryLineEndCrLf_data();
    void setText_makesEveryLineEndCrLf();
    void setText_putsTheCaretAtTheStart();
    void positionBetweenCrAndLf_actsAsTheCr();
    void find_data();
    void find();
    void setSelText_replacesSelectionAndLeavesCaretBehind_data();
    void setSelText_replacesSelectionAndLeavesCaretBehind();
    void insertedText_takesColourOfCharacterBeforeOnSameLine();
    void selColor_answersMixedForTwoColours_andIgnoresLineBreaks();
    void setSelColor_colorsOnlyTheSelection();
    void changeNotification_followsEveryChange_unlessBlocked();
    void rtf_writesTheFlatRichEditForm();
    void rtf_listsColoursInOrderOfFirstOccurrence();
    void rtf_roundTripKeepsTextAndColours_data();
    void rtf_roundTripKeepsTextAndColours();
    void setRtf_withPlainTextShowsItAsText();
    void selRtf_copyAndPasteKeepsColours();
    void loadFile_readsRtfAsRichTextAndOtherFilesAsWindows1252();
    void loadFile_failureKeepsContentAndSaysWhy();
    void saveFile_writesCrLfWindows1252PlainText();
    void fontName_defaultsToLucidaConsoleAndIsKept();
    void lines_agreeWithTheText_data();
    void lines_agreeWithTheText();
    void setLine_changesThatLineAlone();
    void lineChanges_coverEveryLineThatChanged();

private:
    // A control holding a script: the script's rules for lines and files.
    std::unique_ptr<RichTextControl> make()
    {
        std::unique_ptr<RichTextControl> c = m_make();
        c->setRules(ScriptFile::controlRules());
        return c;
    }
    Factory m_make;
    OutsideEdit m_outside;
};

} // namespace Quillwright
