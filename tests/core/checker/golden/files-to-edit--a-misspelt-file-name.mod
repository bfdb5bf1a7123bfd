##############################################################
## MOD Title: Signature Length
## MOD Author: dev_kit < devkit@example.com > (Dana Kit) http://devkit.example.com
## MOD Description: Does what its title says.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: includes/usercp_register.php,
##                langugage/lang_english/lang_main.php
## Included Files: n/a
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
includes/usercp_register.php
#
#-----[ FIND ]------------------------------------------
#
$signature = str_replace('<br />', "\n", $signature);
#
#-----[ AFTER, ADD ]------------------------------------------
#
$signature = substr($signature, 0, 255);
#
#-----[ OPEN ]------------------------------------------
#
language/lang_english/lang_main.php
#
#-----[ FIND ]------------------------------------------
#
$lang['Signature_explain']
#
#-----[ AFTER, ADD ]------------------------------------------
#
$lang['Signature_too_long'] = 'Your signature is too long';
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
