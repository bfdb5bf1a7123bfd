#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace Quillwright {

// A forum of phpBB 2.0's size written into a folder: 89 PHP files of up to
// about 105 KB (41,000 lines in all), 98 templates and language and image
// files, about 310 files and 3 MB; and a script of a hundred actions over
// ten of its files, each FIND unique in its file.
struct SyntheticForum {
    QStringList phpFiles;

    explicit SyntheticForum(const QString& root)
    {
        const auto write = [&root](const QString& path, const QByteArray& bytes) {
            QDir().mkpath(QFileInfo(root + u'/' + path).path());
            QFile f(root + u'/' + path);
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
        };
        for (int i = 0; i < 89; ++i) {
            const QString path = i < 40   ? QStringLiteral("file%1.php").arg(i)
                                 : i < 70 ? QStringLiteral("includes/file%1.php").arg(i)
                                          : QStringLiteral("admin/admin_file%1.php").arg(i);
            // One large file as viewtopic.php is; the rest of a few hundred lines.
            const int lines = i == 0 ? 2600 : 430;
            QByteArray text = "<?php\r\n";
            for (int l = 0; l < lines; ++l)
                text += QStringLiteral("\t$var_%1_%2 = some_function($arg, '%1', %2); // line\r\n")
                            .arg(i)
                            .arg(l)
                            .toLatin1();
            text += "?>";
            write(path, text);
            phpFiles << path;
        }
        for (int i = 0; i < 98; ++i)
            write(
                QStringLiteral("templates/subSilver/tpl%1.tpl").arg(i),
                QByteArray("<tr>\r\n\t<td class=\"row1\">{L_TEXT}</td>\r\n</tr>\r\n").repeated(60));
        for (int i = 0; i < 60; ++i)
            write(QStringLiteral("language/lang_english/lang%1.php").arg(i),
                  QByteArray("$lang['Key'] = 'A text of the language';\r\n").repeated(200));
        for (int i = 0; i < 63; ++i)
            write(QStringLiteral("images/image%1.gif").arg(i), QByteArray(2000, '\x47'));
    }

    // Ten files, ten actions each: FIND, AFTER ADD, FIND, REPLACE WITH,
    // FIND, IN-LINE FIND, IN-LINE AFTER ADD, FIND, BEFORE ADD, and the OPEN.
    QString script() const
    {
        const QString dashes(42, u'-');
        QStringList out = {QStringLiteral("## MOD Title: bench"), QStringLiteral("#")};
        const auto action = [&](const QString& keyword, const QString& content) {
            out << QStringLiteral("#") << "#-----[ " + keyword + " ]" + dashes
                << QStringLiteral("#") << content;
        };
        for (int k = 0; k < 10; ++k) {
            const int file = k * 8;
            const QString path = phpFiles[file];
            const auto line = [file](int l) {
                return QStringLiteral("$var_%1_%2 = some_function($arg, '%1', %2);")
                    .arg(file)
                    .arg(l);
            };
            action(QStringLiteral("OPEN"), path);
            action(QStringLiteral("FIND"), line(20));
            action(QStringLiteral("AFTER, ADD"), QStringLiteral("$added = true;"));
            action(QStringLiteral("FIND"), line(100));
            action(QStringLiteral("REPLACE WITH"), QStringLiteral("$replaced = true;"));
            action(QStringLiteral("FIND"), line(200));
            action(QStringLiteral("IN-LINE FIND"), QStringLiteral("$arg,"));
            action(QStringLiteral("IN-LINE AFTER, ADD"), QStringLiteral(" $more,"));
            action(QStringLiteral("FIND"), line(400));
            action(QStringLiteral("BEFORE, ADD"), QStringLiteral("// before"));
        }
        action(QStringLiteral("SAVE/CLOSE ALL FILES"), QStringLiteral("# EoM"));
        return out.join(QStringLiteral("\r\n"));
    }
};

} // namespace Quillwright
