##############################################################
## MOD Title: The title of this MOD
## MOD Author: Your Name < you@example.org > (Your Full Name) http://www.example.org
## MOD Description: What this MOD does, in a sentence or two
## MOD Version: x.x.x
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: faq.php
## Included Files: n/a
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
faq.php
#
#-----[ FIND ]------------------------------------------
#
$faq = array();
#
#-----[ AFTER, ADD ]------------------------------------------
#
// more questions
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
