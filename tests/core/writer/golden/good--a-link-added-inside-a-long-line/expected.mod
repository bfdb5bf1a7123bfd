##############################################################
## MOD Title: The title of this MOD
## MOD Author: Your Name < you@example.org > (Your Full Name) http://www.example.org
## MOD Description: What this MOD does, in a sentence or two
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 2 Minutes
## Files To Edit: templates/subSilver/viewtopic_body.tpl
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
templates/subSilver/viewtopic_body.tpl
#
#-----[ FIND ]------------------------------------------
#
	<td align="left" valign="bottom" colspan="2"><span class="nav"><a href="{U_INDEX}" class="nav">{L_INDEX}</a></span></td>
#
#-----[ IN-LINE FIND ]------------------------------------------
#
a>
#
#-----[ IN-LINE AFTER, ADD ]------------------------------------------
#
 -&gt; <a href="{U_VIEW_FORUM}" class="nav">{FORUM_NAME}</a>
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
