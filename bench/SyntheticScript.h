#pragma once

#include "core/script/ModFormat.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

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
