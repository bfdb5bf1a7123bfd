#pragma once

#include "core/script/ModFormat.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace Quillwright {

// A deterministic MOD script of about `bytes` characters made of realistic
// action blocks, for benchmarks and scale tests.
inline QString syntheticScript(qsizetype bytes, quint32 seed = 42)
{
    static const QStringList files = {"index.php", "viewtopic.php", "includes/functions.php",
                                      "templates/subSilver/overall_header.tpl",
                                      "admin/admin_board.php"};
    static const QStringList code = {
        "$template->assign_vars(array(",
        "'L_INDEX' => $lang['Index'],",
        "include($phpbb_root_path . 'common.'.$phpEx);",
        "<td class=\"row1\"><span class=\"gen\">{L_USERNAME}</span></td>",
        "if ( !$userdata['session_logged_in'] )",
        "$sql = \"SELECT * FROM \" . USERS_TABLE . \" WHERE user_id = $user_id\";",
        "}",
        "// isOpen, then OR not",
    };
    static const QStringList keywords = {"FIND",         "AFTER, ADD",   "BEFORE, ADD",
                                         "REPLACE WITH", "IN-LINE FIND", "IN-LINE AFTER, ADD"};
    QRandomGenerator rng(seed);
    QString text = ModFormat::defaultTemplate();
    text.replace("## Mod Title: ", "## MOD Title: Benchmark");
    auto block = [&text](const QString& keyword, const QString& body) {
        text += "#\r\n" + ModFormat::bannerOpening() + keyword + ModFormat::bannerClosing() +
                "\r\n#\r\n" + body;
    };
    while (text.size() < bytes) {
        block("OPEN", files[rng.bounded(files.size())] + "\r\n\r\n");
        const int steps = 2 + rng.bounded(4);
        for (int s = 0; s < steps; ++s) {
            QString body;
            const int lines = 1 + rng.bounded(5);
            for (int l = 0; l < lines; ++l)
                body += code[rng.bounded(code.size())] + "\r\n";
            block(keywords[rng.bounded(keywords.size())], body + "\r\n");
        }
    }
    block("SAVE/CLOSE ALL FILES", "# EoM\r\n");
    return text;
}

// A script of about `bytes` that keeps to the MOD template's conventions, as
// a finished script does: a full header, each file OPENed with a FIND before
// its additions, the end marker. What the checker is timed on.
inline QString conventionalScript(qsizetype bytes, quint32 seed = 7)
{
    static const QStringList files = {"index.php", "viewtopic.php", "includes/functions.php",
                                      "templates/subSilver/overall_header.tpl"};
    static const QStringList code = {"$template->assign_vars(array(",
                                     "'L_INDEX' => $lang['Index'],",
                                     "if ( !$userdata['session_logged_in'] )", "}"};
    QRandomGenerator rng(seed);
    QString text = QStringLiteral(
        "############################################################## \r\n"
        "## MOD Title: Benchmark\r\n"
        "## MOD Author: joe < joe@example.org > (Joe Bloggs) http://example.org\r\n"
        "## MOD Description: A script to time the checker on\r\n"
        "## MOD Version: 1.0.0\r\n"
        "## Installation Level: Easy\r\n"
        "## Installation Time: 5 minutes\r\n"
        "## Files To Edit: index.php, viewtopic.php, includes/functions.php,\r\n"
        "##                templates/subSilver/overall_header.tpl\r\n"
        "## Included Files: n/a\r\n"
        "############################################################## \r\n"
        "## For Security Purposes, Please Check: http://www.phpbb.com/mods/ for the\r\n"
        "############################################################## \r\n"
        "## Before Adding This MOD To Your Forum, You Should Back Up All Files Related To "
        "This MOD\r\n"
        "############################################################## \r\n\r\n");
    auto block = [&text](const QString& keyword, const QString& body) {
        text += "#\r\n" + ModFormat::bannerOpening() + keyword + ModFormat::bannerClosing() +
                "\r\n#\r\n" + body;
    };
    while (text.size() < bytes) {
        block("OPEN", files[rng.bounded(files.size())] + "\r\n");
        const int steps = 1 + rng.bounded(4);
        for (int s = 0; s < steps; ++s) {
            block("FIND", code[rng.bounded(code.size())] + "\r\n");
            block(rng.bounded(2) ? "AFTER, ADD" : "BEFORE, ADD",
                  code[rng.bounded(code.size())] + "\r\n" + code[rng.bounded(code.size())] +
                      "\r\n");
            if (rng.bounded(3) == 0) {
                block("IN-LINE FIND", "array(\r\n");
                block("IN-LINE AFTER, ADD", " 'X' => 1,\r\n");
            }
        }
    }
    block("SAVE/CLOSE ALL FILES", "# EoM\r\n");
    return text;
}

} // namespace Quillwright
