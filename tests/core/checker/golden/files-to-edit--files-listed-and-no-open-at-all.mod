##############################################################
## MOD Title: Avatar Gallery Update
## MOD Author: dev_kit < devkit@example.com > (Dana Kit) http://devkit.example.com
## MOD Description: Updates the gallery from 1.2.2 to 1.2.3: only its page changed.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit:
##	viewonline.php,
##	admin/admin_board.php,
##	language/lang_english/lang_admin.php
## Included Files:
##	avatar_gallery.php
## License: http://opensource.org/licenses/gpl-license.php GNU General Public License v2
##############################################################
## For security purposes, please check: http://www.phpbb.com/mods/
## for the latest version of this MOD. Although MODs are checked
## before being allowed in the MODs Database there is no guarantee
## that there are no security problems within the MOD. No support
## will be given for MODs not found within the MODs Database which
## can be found at http://www.phpbb.com/mods/
##############################################################
## Author Notes: none
##############################################################
## Before Adding This MOD To Your Forum, You Should Back Up All Files Related To This MOD
##############################################################

#
#-----[ COPY ]------------------------------------------
#
copy avatar_gallery.php to avatar_gallery.php
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
