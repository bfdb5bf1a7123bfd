##############################################################
## MOD Title: Member Badges
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Badges beside each poster.
## MOD Version: 1.1.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: n/a
## Included Files: badges.php, lang_badges.php, badges_body.tpl
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
copy root/badges.php to badges.php
copy root/language/lang_english/lang_badges.php to language/lang_english/lang_badges.php
copy templates/subSilver/badges_body.tpl to templates/subSilver/badges_body.tpl
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
