##############################################################
## MOD Title: Quick Reply Box
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Adds a box to reply to a topic at the foot of the page.
## MOD Version: 1.2.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: viewtopic.php,
##                templates/subSilver/viewtopic_body.tpl,
##                language/lang_english/lang_main.php
## Included Files: quick_reply.php, quick_reply.tpl
##############################################################
## For security purposes, please check: http://www.example.org/mods/
## for the latest version of this MOD.
##############################################################
## Author Notes: none
##############################################################
## Before Adding This MOD To Your Forum, You Should Back Up All Files Related To This MOD
##############################################################

#
#-----[ COPY ]------------------------------------------
#
copy root/quick_reply.php to quick_reply.php
copy root/templates/subSilver/quick_reply.tpl to templates/subSilver/quick_reply.tpl
#
#-----[ SQL ]------------------------------------------
#
INSERT INTO phpbb_config (config_name, config_value) VALUES ('quick_reply', '1');
#
#-----[ OPEN ]------------------------------------------
#
viewtopic.php
#
#-----[ FIND ]------------------------------------------
#
include($phpbb_root_path . 'common.'.$phpEx);
#
#-----[ AFTER, ADD ]------------------------------------------
#
include($phpbb_root_path . 'quick_reply.'.$phpEx);
#
#-----[ FIND ]------------------------------------------
#
$template->assign_vars(array(
	'FORUM_NAME' => $forum_name,
#
#-----[ BEFORE, ADD ]------------------------------------------
#
// Quick Reply Box
$quick_reply = ( $board_config['quick_reply'] ) ? true : false;
#
#-----[ FIND ]------------------------------------------
#
'L_MESSAGE' => $lang['Message'])
#
#-----[ IN-LINE FIND ]------------------------------------------
#
$lang['Message']
#
#-----[ IN-LINE AFTER, ADD ]------------------------------------------
#
,
	'S_QUICK_REPLY' => $quick_reply
#
#-----[ FIND ]------------------------------------------
#
$colspan = 2;
#
#-----[ REPLACE WITH ]------------------------------------------
#
$colspan = ( $quick_reply ) ? 3 : 2;
#
#-----[ OPEN ]------------------------------------------
#
templates/subSilver/viewtopic_body.tpl
#
#-----[ FIND ]------------------------------------------
#
</table>
<table class="forumline"
#
#-----[ BEFORE, ADD ]------------------------------------------
#
<!-- INCLUDE quick_reply.tpl -->
#
#-----[ FIND ]------------------------------------------
#
<th class="thLeft" width="150" height="26" nowrap="nowrap">{L_AUTHOR}</th>
#
#-----[ IN-LINE FIND ]------------------------------------------
#
width="150"
#
#-----[ IN-LINE REPLACE WITH ]------------------------------------------
#
width="180"
#
#-----[ IN-LINE FIND ]------------------------------------------
#
{L_AUTHOR}
#
#-----[ IN-LINE BEFORE, ADD ]------------------------------------------
#
&nbsp;
#
#-----[ OPEN ]------------------------------------------
#
language/lang_english/lang_main.php
#
#-----[ FIND ]------------------------------------------
#
//
// That's all, Folks!
#
#-----[ BEFORE, ADD ]------------------------------------------
#
$lang['Quick_reply'] = 'Quick réply';

#
#-----[ DIY INSTRUCTIONS ]------------------------------------------
#
Clear your template cache, then
turn the box on in the Configuration panel.
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
