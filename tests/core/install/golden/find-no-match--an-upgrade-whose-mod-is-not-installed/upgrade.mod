##############################################################
## MOD Title: Topic Views 1.0.2 to 1.0.3 Upgrade
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Upgrades Topic Views from 1.0.2.
## MOD Version: 1.0.3
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: viewtopic.php
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
viewtopic.php
#
#-----[ FIND ]------------------------------------------
#
// Topic Views 1.0.2
$views = get_views($topic_id);
#
#-----[ REPLACE WITH ]------------------------------------------
#
// Topic Views 1.0.3
$views = get_views($topic_id, true);
#
#-----[ AFTER, ADD ]------------------------------------------
#
$views_shown = true;
#
#-----[ FIND ]------------------------------------------
#
$colspan = 2;
#
#-----[ AFTER, ADD ]------------------------------------------
#
// still added: the next FIND goes on
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
