##############################################################
## MOD Title: Careless Paths
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Paths written every way.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: viewtopic.php, config.php
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
../../config.php
#
#-----[ FIND ]------------------------------------------
#
$dbpasswd
#
#-----[ REPLACE WITH ]------------------------------------------
#
$dbpasswd = '';
#
#-----[ OPEN ]------------------------------------------
#
C:\phpBB2\viewtopic.php
#
#-----[ FIND ]------------------------------------------
#
$colspan
#
#-----[ OPEN ]------------------------------------------
#
\viewtopic.php
#
#-----[ FIND ]------------------------------------------
#
$colspan = 2;
#
#-----[ AFTER, ADD ]------------------------------------------
#
$leading_backslash = true;
#
#-----[ COPY ]------------------------------------------
#
copy root/x.php to ../x.php
copy root/x.php to //server/share/x.php
copy root/x.php to includes/../../x.php
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
