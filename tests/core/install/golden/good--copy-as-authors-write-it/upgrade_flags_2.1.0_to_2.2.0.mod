##############################################################
## MOD Title: Country Flags 2.1.0 to 2.2.0
## MOD Author: sam < sam@example.org > (Sam Doe) http://example.org
## MOD Description: The files of the new version, all of them.
## MOD Version: 2.2.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: n/a
## Included Files: all files
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
COPY root/*.* TO *.*
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
