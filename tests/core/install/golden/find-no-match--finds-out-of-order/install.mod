##############################################################
## MOD Title: Out of Order
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Its second FIND stands above its first.
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
$rows = 1;
#
#-----[ FIND ]------------------------------------------
#
$template->assign_vars(array(
#
#-----[ AFTER, ADD ]------------------------------------------
#
	'ROWS' => $rows,
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
