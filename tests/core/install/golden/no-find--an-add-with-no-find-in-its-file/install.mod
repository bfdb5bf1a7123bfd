##############################################################
## MOD Title: Forgotten Find
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Adds a line, but says not where.
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
#-----[ AFTER, ADD ]------------------------------------------
#
$forgotten = true;
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
