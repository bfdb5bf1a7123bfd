##############################################################
## MOD Title: The title of this MOD
## MOD Author: Your Name < you@example.org > (Your Full Name) http://www.example.org
## MOD Description: What this MOD does, in a sentence or two
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 1 Minute
## Files To Edit: includes/constants.php
## Included Files: n/a
## Generator: Quillwright {version}
## License: http://opensource.org/licenses/gpl-license.php GNU General Public License v2
##############################################################
## For Security Purposes, Please Check: http://www.phpbb.com/mods/downloads/ for the
## latest version of this MOD. Downloading this MOD from other sites could cause malicious code
## to enter into your phpBB Forum. As such, phpBB will not offer support for MOD's not offered
## in our MOD-Database, located at: http://www.phpbb.com/mods/downloads/
##############################################################
## Author Notes:
##############################################################
## Before Adding This MOD To Your Forum, You Should Back Up All Files Related To This MOD
##############################################################
#
#-----[ OPEN ]------------------------------------------
#
includes/constants.php
#
#-----[ FIND ]------------------------------------------
#
define('POST_FORUM_URL', 'f');
#
#-----[ REPLACE WITH ]------------------------------------------
#
define('POST_FORUM_URL', 'forum');
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
