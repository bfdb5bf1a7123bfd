##############################################################
## MOD Title: Shout Box
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: A box to shout in, with its own table.
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
#-----[ SQL ]------------------------------------------
#
CREATE TABLE phpbb_shouts (
  shout_id mediumint(8) UNSIGNED NOT NULL auto_increment,
  shout_text varchar(255) NOT NULL,
  PRIMARY KEY (shout_id)
);
#
#-----[ PSEUDO mySQL ]------------------------------------------
#
ALTER TABLE phpbb_users ADD user_shouts TINYINT(1) DEFAULT '1';
#
#-----[ CREATE ]------------------------------------------
#
shoutbox.php
#
#-----[ COPY TO FOLDER ]------------------------------------------
#
shout.gif  images/
#
#-----[ OPEN ]------------------------------------------
#
viewtopic.php
#
#-----[ FIND ]------------------------------------------
#
$colspan = 2;
#
#-----[ DELETE ]------------------------------------------
#
$colspan = 2;
#
#-----[ OR ]------------------------------------------
#
$colspan = 3;
#
#-----[ AFTER, ADD ]------------------------------------------
#
$shouts = true;
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
