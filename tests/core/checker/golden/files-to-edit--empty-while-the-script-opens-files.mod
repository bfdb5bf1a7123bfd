##############################################################
## MOD Title: Guest Notice
## MOD Author: dev_kit < devkit@example.com > (Dana Kit) http://devkit.example.com
## MOD Description: Does what its title says.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit:
## Included Files: none
## License: http://opensource.org/licenses/gpl-license.php GNU General Public License v2
##############################################################
## For security purposes, please check: http://www.phpbb.com/mods/
## for the latest version of this MOD. Although MODs are checked
## before being allowed in the MODs Database there is no guarantee
## that there are no security problems within the MOD. No support
## will be given for MODs not found within the MODs Database which
## can be found at http://www.phpbb.com/mods/
##############################################################
## Author Notes: none
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
'L_FORUM_LOCKED' =>
#
#-----[ AFTER, ADD ]------------------------------------------
#
	'L_GUEST_NOTICE' => $lang['Guest_notice'],
#
#-----[ OPEN ]------------------------------------------
#
language/lang_english/lang_main.php
#
#-----[ FIND ]------------------------------------------
#
$lang['Forum_Index'] =
#
#-----[ AFTER, ADD ]------------------------------------------
#
$lang['Guest_notice'] = 'Register to post';
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
