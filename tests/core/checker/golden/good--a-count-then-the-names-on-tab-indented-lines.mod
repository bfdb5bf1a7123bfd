##############################################################
## MOD Title: Last Visit Clock
## MOD Author: marten < marten@example.net > (Marten Vos) http://example.net/phpbb
## MOD Description:
##	Shows on the index when each member was last here,
##	in the member's own time zone.
## MOD Version: 1.1.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: 3
##		index.php
##		language/lang_english/lang_main.php
##		templates/subSilver/index_body.tpl
## Included Files: 0
## License: http://opensource.org/licenses/gpl-license.php GNU General Public License v2
##############################################################
## For security purposes, please check: http://www.phpbb.com/mods/
## for the latest version of this MOD. Although MODs are checked
## before being allowed in the MODs Database there is no guarantee
## that there are no security problems within the MOD. No support
## will be given for MODs not found within the MODs Database which
## can be found at http://www.phpbb.com/mods/
##############################################################
## Author Notes:
##	None.
##############################################################
## Before Adding This MOD To Your Forum, You Should Back Up All Files Related To This MOD
##############################################################

#
#-----[ OPEN ]------------------------------------------
#
index.php
#
#-----[ FIND ]------------------------------------------
#
'L_NEWEST_USER' =>
#
#-----[ AFTER, ADD ]------------------------------------------
#
	'L_LAST_VISIT_CLOCK' => $lang['Last_visit_clock'],
#
#-----[ OPEN ]------------------------------------------
#
language/lang_english/lang_main.php
#
#-----[ FIND ]------------------------------------------
#
?>
#
#-----[ BEFORE, ADD ]------------------------------------------
#
$lang['Last_visit_clock'] = 'Last here';
#
#-----[ OPEN ]------------------------------------------
#
templates/subSilver/index_body.tpl
#
#-----[ FIND ]------------------------------------------
#
{LAST_VISIT_DATE}
#
#-----[ IN-LINE FIND ]------------------------------------------
#
{LAST_VISIT_DATE}
#
#-----[ IN-LINE AFTER, ADD ]------------------------------------------
#
 ({L_LAST_VISIT_CLOCK})
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
