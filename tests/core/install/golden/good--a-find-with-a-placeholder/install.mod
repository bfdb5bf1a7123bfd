##############################################################
## MOD Title: Three Columns
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: One more column, whatever the number was.
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
$colspan = {%:1};
#
#-----[ INCREMENT ]------------------------------------------
#
%:1 +1
#
#-----[ FIND ]------------------------------------------
#
$template->pparse('body');
#
#-----[ BEFORE, ADD ]------------------------------------------
#
// three columns
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
