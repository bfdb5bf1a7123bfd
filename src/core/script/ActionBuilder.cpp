#include "core/script/ActionBuilder.h"

#include "core/script/ModFormat.h"
#include "core/text/StyledText.h"

namespace Quillwright {

namespace ActionBuilder {

const QStringList& phpbbFiles()
{
    static const QStringList files = {
        QStringLiteral("admin/index.php"),
        QStringLiteral("common.php"),
        QStringLiteral("config.php"),
        QStringLiteral("extension.inc"),
        QStringLiteral("faq.php"),
        QStringLiteral("groupcp.php"),
        QStringLiteral("includes/auth.php"),
        QStringLiteral("includes/bbcode.php"),
        QStringLiteral("includes/constants.php"),
        QStringLiteral("includes/db.php"),
        QStringLiteral("includes/emailer.php"),
        QStringLiteral("includes/functions.php"),
        QStringLiteral("includes/functions_admin.php"),
        QStringLiteral("includes/functions_post.php"),
        QStringLiteral("includes/functions_search.php"),
        QStringLiteral("includes/functions_selects.php"),
        QStringLiteral("includes/functions_validate.php"),
        QStringLiteral("includes/page_header.php"),
        QStringLiteral("includes/page_tail.php"),
        QStringLiteral("includes/prune.php"),
        QStringLiteral("includes/sessions.php"),
        QStringLiteral("includes/smtp.php"),
        QStringLiteral("index.php"),
        QStringLiteral("install.php"),
        QStringLiteral("login.php"),
        QStringLiteral("memberlist.php"),
        QStringLiteral("modcp.php"),
        QStringLiteral("posting.php"),
        QStringLiteral("privmsg.php"),
        QStringLiteral("profile.php"),
        QStringLiteral("search.php"),
        QStringLiteral("templates/subSilver/agreement.tpl"),
        QStringLiteral("templates/subSilver/bbcode.tpl"),
        QStringLiteral("templates/subSilver/confirm_body.tpl"),
        QStringLiteral("templates/subSilver/error_body.tpl"),
        QStringLiteral("templates/subSilver/faq_body.tpl"),
        QStringLiteral("templates/subSilver/formIE.css"),
        QStringLiteral("templates/subSilver/groupcp_info_body.tpl"),
        QStringLiteral("templates/subSilver/groupcp_pending_info.tpl"),
        QStringLiteral("templates/subSilver/groupcp_user_body.tpl"),
        QStringLiteral("templates/subSilver/index_body.tpl"),
        QStringLiteral("templates/subSilver/install.tpl"),
        QStringLiteral("templates/subSilver/jumpbox.tpl"),
        QStringLiteral("templates/subSilver/login_body.tpl"),
        QStringLiteral("templates/subSilver/memberlist_body.tpl"),
        QStringLiteral("templates/subSilver/message_body.tpl"),
        QStringLiteral("templates/subSilver/modcp_body.tpl"),
        QStringLiteral("templates/subSilver/modcp_move.tpl"),
        QStringLiteral("templates/subSilver/modcp_split.tpl"),
        QStringLiteral("templates/subSilver/modcp_viewip.tpl"),
        QStringLiteral("templates/subSilver/overal_footer.tpl"),
        QStringLiteral("templates/subSilver/overal_header.tpl"),
        QStringLiteral("templates/subSilver/posting_body.tpl"),
        QStringLiteral("templates/subSilver/posting_poll_body.tpl"),
        QStringLiteral("templates/subSilver/posting_preview.tpl"),
        QStringLiteral("templates/subSilver/posting_smilies.tpl"),
        QStringLiteral("templates/subSilver/posting_topic_review.tpl"),
        QStringLiteral("templates/subSilver/privmsgs_body.tpl"),
        QStringLiteral("templates/subSilver/privmsgs_popup.tpl"),
        QStringLiteral("templates/subSilver/privmsgs_preview.tpl"),
        QStringLiteral("viewforum.php"),
        QStringLiteral("viewonline.php"),
        QStringLiteral("viewtopic.php"),
    };
    return files;
}

QString buildBlock(const QString& keyword, const QString& value)
{
    const QString crlf = QStringLiteral("\r\n");
    return ModFormat::bannerBlock(keyword).join(crlf) + crlf + normalizeLineEnds(value) + crlf;
}

View keywordChosen(const View& now, const QString& keyword, bool listTabSelected)
{
    View v = now;
    if (keyword == u"SAVE/CLOSE ALL FILES") {
        v.text = ModFormat::endOfMod();
        v.textLocked = true;
    } else {
        v.textLocked = false;
        if (v.text == ModFormat::endOfMod())
            v.text.clear();
    }
    if (keyword == u"OPEN") {
        v.tabsVisible = true;
        v.listVisible = listTabSelected;
        v.textVisible = !listTabSelected;
    } else {
        v.tabsVisible = false;
        v.listVisible = false;
        v.textVisible = true;
    }
    return v;
}

View tabChosen(const View& now, bool listTabSelected)
{
    View v = now;
    v.listVisible = listTabSelected;
    v.textVisible = !listTabSelected;
    return v;
}

} // namespace ActionBuilder

} // namespace Quillwright
