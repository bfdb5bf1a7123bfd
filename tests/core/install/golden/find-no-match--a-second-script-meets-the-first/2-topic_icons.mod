##############################################################
## MOD Title: Topic Icons
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: An icon beside each post.
## MOD Version: 1.0.0
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
$colspan = 2;
#
#-----[ AFTER, ADD ]------------------------------------------
#
$icons = true;
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
