##############################################################
## MOD Title: Bigger Counters
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Raises the board's limits by a step.
## MOD Version: 0.9.1
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
define('DEBUG', 1);
#
#-----[ REPLACE ]------------------------------------------
#
define('DEBUG', 0);
#
#-----[ FIND ]------------------------------------------
#
define('POST_FORUM_URL', 'f');
#
#-----[ IN-LINE FIND ]------------------------------------------
#
'f'
#
#-----[ IN-LINE REPLACE ]------------------------------------------
#
'forum'
#
#-----[ FIND ]------------------------------------------
#
define('PAGE_INDEX', {%:4});
#
#-----[ INCREMENT ]------------------------------------------
#
%:4 -15
#
#-----[ FIND ]------------------------------------------
#
define('MAX_TOPIC_ID', {%:1});
#
#-----[ INCREMENT ]------------------------------------------
#
%:1 +1
#
#-----[ FIND ]------------------------------------------
#
define('MAX_HITS', {%:2});
#
#-----[ INCREMENT ]------------------------------------------
#
{%:2} +1
#
#-----[ FIND ]------------------------------------------
#
define('SCHEMA_CODE'
#
#-----[ IN-LINE FIND ]------------------------------------------
#
'{%:3}'
#
#-----[ IN-LINE INCREMENT ]------------------------------------------
#
{%:3} +1
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
