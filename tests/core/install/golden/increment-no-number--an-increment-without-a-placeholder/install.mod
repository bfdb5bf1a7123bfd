##############################################################
## MOD Title: Forgotten Number
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Counts up, but says not what.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: includes/constants.php
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
includes/constants.php
#
#-----[ FIND ]------------------------------------------
#
define('PAGE_INDEX', 0);
#
#-----[ INCREMENT ]------------------------------------------
#
%:1 +1
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
