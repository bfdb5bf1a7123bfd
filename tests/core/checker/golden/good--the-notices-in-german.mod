##############################################################
## MOD Title: Geburtstage im Profil
## MOD Author: Kerstin < kerstin@example.de > (Kerstin Brandt) http://www.example.de
## MOD Description:
##	Zeigt das Alter eines Mitglieds in seinem Profil.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 2 Minuten
## Files To Edit:	includes/usercp_viewprofile.php
## Included Files:	n/a
##############################################################
## Aus Sicherheitsgründen prüfe bitte auf http://www.phpbb.de/mods/
## ob es eine neuere Version dieses MODs gibt.
##############################################################
## Author Notes: keine
##############################################################
## Bevor das MOD dem Forum hinzugefügt wird, sollten alle relevanten Dateien gesichert werden.
##############################################################

#
#-----[ OPEN ]------------------------------------------
#
includes/usercp_viewprofile.php
#
#-----[ FIND ]------------------------------------------
#
'INTERESTS' =>
#
#-----[ AFTER, ADD ]------------------------------------------
#
	'AGE' => $age,
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
