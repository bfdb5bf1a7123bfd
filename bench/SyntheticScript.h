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

// A script of about `bytes` whose lines vary as those authors write: each
// file's lines are its own (names, keys, numbers), some quoted again by a
// later FIND or in a REPLACE WITH, beside the blanks, "#" lines and
// banners every script repeats. Of its non-blank lines about half repeat
// one before them, as in published scripts, where the scripts above repeat
// nearly all: what memory is measured on, since lines that read alike may
// be held once.
inline QString realStyleScript(qsizetype bytes, quint32 seed = 11)
{
    static const QStringList words = {
        "user",      "topic",  "forum", "post",    "poster",    "group",  "auth",   "mode",
        "session",   "page",   "start", "total",   "row",       "result", "lang",   "config",
        "board",     "theme",  "style", "avatar",  "rank",      "title",  "text",   "subject",
        "time",      "date",   "edit",  "reply",   "quote",     "vote",   "poll",   "option",
        "privmsg",   "search", "word",  "smilies", "icon",      "image",  "link",   "url",
        "email",     "name",   "level", "active",  "attach",    "file",   "size",   "count",
        "list",      "block",  "cat",   "sort",    "order",     "limit",  "offset", "id",
        "data",      "field",  "value", "key",     "cache",     "status", "view",   "folder",
        "mark",      "read",   "new",   "last",    "first",     "next",   "prev",   "jump",
        "moderator", "ban",    "karma", "points",  "signature", "sig",    "flag",   "shout"};
    static const QStringList files = {"index.php",
                                      "viewtopic.php",
                                      "viewforum.php",
                                      "posting.php",
                                      "profile.php",
                                      "memberlist.php",
                                      "includes/functions.php",
                                      "includes/functions_post.php",
                                      "includes/usercp_register.php",
                                      "includes/page_header.php",
                                      "admin/admin_board.php",
                                      "admin/admin_users.php",
                                      "language/lang_english/lang_main.php",
                                      "language/lang_english/lang_admin.php",
                                      "templates/subSilver/viewtopic_body.tpl",
                                      "templates/subSilver/overall_header.tpl",
                                      "templates/subSilver/profile_add_body.tpl",
                                      "templates/subSilver/subSilver.cfg"};
    QRandomGenerator rng(seed);
    const auto word = [&] { return words[rng.bounded(words.size())]; };
    const auto name = [&] { return word() + u'_' + word(); };
    const auto upper = [&] { return name().toUpper(); };
    // One line of PHP or template code, made up afresh.
    const auto codeLine = [&]() -> QString {
        const QString indent(rng.bounded(4), u'\t');
        switch (rng.bounded(10)) {
        case 0:
            return indent + QStringLiteral("'L_%1' => $lang['%2'],").arg(upper(), name());
        case 1:
            return indent +
                   QStringLiteral("$%1['%2'] = $%3['%4'];").arg(word(), name(), word(), name());
        case 2:
            return indent +
                   QStringLiteral("$lang['%1'] = '%2 %3 %4';").arg(name(), word(), word(), word());
        case 3:
            return indent + QStringLiteral("<td class=\"row%1\"><span class=\"gen\">{L_%2}</span>"
                                           "</td>")
                                .arg(1 + rng.bounded(3))
                                .arg(upper());
        case 4:
            return indent + QStringLiteral("if ( !empty($%1) && $%2 != %3 )")
                                .arg(name(), name())
                                .arg(rng.bounded(100));
        case 5:
            return indent + QStringLiteral("$sql = \"SELECT %1, %2 FROM \" . %3_TABLE . \" WHERE "
                                           "%4 = $%4\";")
                                .arg(name(), name(), word().toUpper(), name());
        case 6:
            return indent + QStringLiteral("'%1' => %2($%3),").arg(upper(), name(), name());
        case 7:
            return indent + QStringLiteral("// %1 %2 %3").arg(word(), word(), word());
        case 8:
            return indent + QStringLiteral("$%1 = ( isset($HTTP_POST_VARS['%2']) ) ? "
                                           "intval($HTTP_POST_VARS['%2']) : %3;")
                                .arg(name(), word())
                                .arg(rng.bounded(10));
        default:
            return indent +
                   QStringList{"{", "}", "else", "?>", "<?php", "break;"}.value(rng.bounded(6));
        }
    };
    QString text = ModFormat::defaultTemplate();
    text.replace("## Mod Title: ", "## MOD Title: Benchmark");
    auto block = [&text](const QString& keyword, const QString& body) {
        text += "#\r\n" + ModFormat::bannerOpening() + keyword + ModFormat::bannerClosing() +
                "\r\n#\r\n" + body;
    };
    QStringList seen; // lines of the file open now, for FINDs to quote again
    while (text.size() < bytes) {
        block("OPEN", files[rng.bounded(files.size())] + "\r\n\r\n");
        seen.clear();
        const int steps = 2 + rng.bounded(5);
        for (int s = 0; s < steps; ++s) {
            QStringList found;
            for (int l = 1 + rng.bounded(3); l > 0; --l)
                found << (!seen.isEmpty() && rng.bounded(3) == 0 ? seen[rng.bounded(seen.size())]
                                                                 : codeLine());
            block(rng.bounded(4) == 0 ? "IN-LINE FIND" : "FIND", found.join("\r\n") + "\r\n\r\n");
            QStringList added;
            for (int l = 1 + rng.bounded(6); l > 0; --l)
                added << (rng.bounded(4) == 0 ? found[rng.bounded(found.size())] : codeLine());
            seen << found << added;
            static const QStringList adds = {"AFTER, ADD", "BEFORE, ADD", "REPLACE WITH"};
            block(adds[rng.bounded(adds.size())], added.join("\r\n") + "\r\n\r\n");
        }
    }
    block("SAVE/CLOSE ALL FILES", "# EoM\r\n");
    return text;
}

} // namespace Quillwright
