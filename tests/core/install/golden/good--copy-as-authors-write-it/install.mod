##############################################################
## MOD Title: Country Flags
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Each member shows the flag of his country.
## MOD Version: 2.1.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: viewtopic.php
## Included Files: flags.php, admin_flags.php, *.gif
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
copy root/images/flags/*.gif to images/flags/
copy root/admin/*.php to admin/
copy root/templates/flags.js to templates/
copy icon_flag.gif to /templates/subSilver/images/icon_flag.gif
copy root/templates/subSilver/flags_body.tpl to templates/subSilver
copy root/flags.php to /
copy root/lang_flags.php to language/lang_english/lang_flags.php
#
#-----[ OPEN ]------------------------------------------
#
viewtopic.php
#
#-----[ FIND ]------------------------------------------
#
$colspan = 2;
#
#-----[ AFTER, ADD ]------------------------------------------
#
include($phpbb_root_path . 'flags.'.$phpEx);
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
