##############################################################
## MOD Title: Avatar Pack, a second avatar
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: An add-on that climbs to its package the wrong way.
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
copy ../root/avatar.gif to images/avatars/avatar3.gif
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
