##############################################################
## MOD Title: Logo Text
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: Opens the logo as if it were text.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: images/logo.gif
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
images/logo.gif
#
#-----[ FIND ]------------------------------------------
#
GIF89a
#
#-----[ REPLACE WITH ]------------------------------------------
#
GIF87a
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
