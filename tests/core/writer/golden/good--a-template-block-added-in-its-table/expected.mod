##############################################################
## MOD Title: The title of this MOD
## MOD Author: Your Name < you@example.org > (Your Full Name) http://www.example.org
## MOD Description: What this MOD does, in a sentence or two
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 1 Minute
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
		<th class="thRight" nowrap="nowrap">{L_MESSAGE}</th>
	</tr>
#
#-----[ AFTER, ADD ]------------------------------------------
#
	<!-- BEGIN editors -->
	<tr>
		<td class="row1" colspan="2"><span class="gensmall">{editors.NAME}</span></td>
	</tr>
	<!-- END editors -->
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
