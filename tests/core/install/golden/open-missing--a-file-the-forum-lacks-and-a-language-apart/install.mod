##############################################################
## MOD Title: Birthdays
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: A member's birthday on his profile.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: viewtopic.php, profile.php, language/lang_french/lang_main.php
## Included Files: n/a
##############################################################
## For security purposes, please check: http://www.example.org/mods/
## for the latest version of this MOD.
##############################################################
## Author Notes: none
##############################################################
## Before Adding This MOD To Your Forum, You Should Back Up All Files Related To This MOD
##############################################################

#
#-----[ OPEN ]------------------------------------------
#
profile.php
#
#-----[ FIND ]------------------------------------------
#
$mode = 
#
#-----[ AFTER, ADD ]------------------------------------------
#
$birthday = 0;
#
#-----[ FIND ]------------------------------------------
#
?>
#
#-----[ BEFORE, ADD ]------------------------------------------
#
// birthdays
#
#-----[ OPEN ]------------------------------------------
#
language/lang_french/lang_main.php
#
#-----[ FIND ]------------------------------------------
#
?>
#
#-----[ BEFORE, ADD ]------------------------------------------
#
$lang['Birthday'] = 'Anniversaire';
#
#-----[ OPEN ]------------------------------------------
#

#
#-----[ FIND ]------------------------------------------
#
$colspan = 2;
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
$birthday_shown = true;
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
