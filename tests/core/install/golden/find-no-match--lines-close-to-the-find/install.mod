##############################################################
## MOD Title: Nicer Errors
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Says more when a topic cannot be read.
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
if ( !($result = $db->sql_query($sql)) )
{
	message_die(GENERAL_ERROR, 'Could not get topic', '', __LINE__, __FILE__, $sql);
}
#
#-----[ REPLACE WITH ]------------------------------------------
#
if ( !($result = $db->sql_query($sql)) )
{
	message_die(GENERAL_MESSAGE, 'Topic_post_not_exist');
}
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
