##############################################################
## MOD Title: Topic Title in Bold
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: The title stands out.
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
$sql = "SELECT t.topic_id
#
#-----[ IN-LINE FIND ]------------------------------------------
#
t.topic_status
#
#-----[ IN-LINE AFTER, ADD ]------------------------------------------
#
, t.topic_bold
#
#-----[ IN-LINE BEFORE, ADD ]------------------------------------------
#
t.topic_type, 
#
#-----[ AFTER, ADD ]------------------------------------------
#
// the topic, bold or not
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
