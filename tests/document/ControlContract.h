#pragma once

#include "document/RichTextControl.h"

#include <QObject>
#include <functional>
#include <memory>

// One contract, run against every editor control: the in-memory reference
// and the QTextEdit one must give the same answers.
class ControlContract : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<RichTextControl>()>;
    explicit ControlContract(Factory make) : m_make(std::move(make)) {}

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

private:
    std::unique_ptr<RichTextControl> make() { return m_make(); }
    Factory m_make;
};
