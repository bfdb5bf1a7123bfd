##############################################################
## MOD Title: Member Badges in the Memberlist
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: The badges in the memberlist too.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: n/a
## Included Files: lang_badges_memberlist.php, memberlist_badges.tpl, badges_memberlist.php, badges_rank.php
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
copy root/language/lang_english/*.php to language/lang_english/
copy templates/subSilver/memberlist_badges.tpl to templates/subSilver/
copy badges_memberlist.php to badges_memberlist.php
copy root/badges_rank.php to badges_rank.php
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
