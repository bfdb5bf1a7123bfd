##############################################################
## MOD Title: Forgotten Fragment
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Adds to a line, but says not where in it.
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
#-----[ IN-LINE AFTER, ADD ]------------------------------------------
#
 // two columns
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
