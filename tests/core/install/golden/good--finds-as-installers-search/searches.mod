##############################################################
## MOD Title: Search Every Way
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Finds what installers find: partial lines, blanks, blank lines between.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: viewtopic.php, includes/functions.php
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
/viewtopic.php
#
#-----[ FIND ]------------------------------------------
#
# a partial line is enough
$topic_id = ( isset(
#
#-----[ AFTER, ADD ]------------------------------------------
#
$mode = 'full';
$start = 0;
#
#-----[ FIND ]------------------------------------------
#
$sql    =   "SELECT t.topic_id,   t.topic_title
#
#-----[ IN-LINE FIND ]------------------------------------------
#
t.topic_id,
#
#-----[ IN-LINE AFTER, ADD ]------------------------------------------
#
 t.topic_views,
#
#-----[ FIND ]------------------------------------------
#
if ( !($result = $db->sql_query($sql)) )

{
#
#-----[ BEFORE, ADD ]------------------------------------------
#
// the query, with its views
#
#-----[ IN-LINE FIND ]------------------------------------------
#
$db->sql_query( $sql )
#
#-----[ IN-LINE AFTER, ADD ]------------------------------------------
#
 && $ok
#
#-----[ FIND ]------------------------------------------
#
$colspan = 2;
#
#-----[ BEFORE, ADD ]------------------------------------------
#
$before = 1;
#
#-----[ AFTER, ADD ]------------------------------------------
#
$after = 1;
#
#-----[ FIND ]------------------------------------------
#
$template->pparse(
#
#-----[ REPLACE WITH ]------------------------------------------
#
# this line must be deleted
#
#-----[ OPEN ]------------------------------------------
#
includes/functions.php
#
#-----[ FIND ]------------------------------------------
#
function make_jumpbox()
{
#
#-----[ AFTER, ADD ]------------------------------------------
#
	global $db;
#
#-----[ FIND ]------------------------------------------
#
}
#
#-----[ AFTER, ADD ]------------------------------------------
#
// the end of the file, which has no line end
#
#-----[ OPEN ]------------------------------------------
#
viewtopic.php
#
#-----[ FIND ]------------------------------------------
#
define('IN_PHPBB'
#
#-----[ AFTER, ADD ]------------------------------------------
#
// opened twice: searched from the top again
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
