##############################################################
## MOD Title: No Page Title Prefix
## MOD Author: dev_kit < devkit@example.com > (Dana Kit) http://devkit.example.com
## MOD Description: Does what its title says.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: includes/page_header.php
## Included Files: N/A
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
#-----[ OPEN ]------------------------------------------
#
includes/page_header.php
#
#-----[ FIND ]------------------------------------------
#
'PAGE_TITLE' => $page_title,
#
#-----[ IN-LINE FIND ]------------------------------------------
#
$page_title
#
#-----[ IN-LINE BEFORE, ADD ]------------------------------------------
#
$board_config['sitename'] . ' :: ' . 
#
#-----[ IN-LINE FIND ]------------------------------------------
#
$board_config['sitename'] . ' :: ' . 
#
#-----[ IN-LINE REPLACE WITH ]------------------------------------------
#

#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
