##############################################################
## MOD Title: Country Flag Picker
## MOD Author: dev_kit < devkit@example.com > (Dana Kit) http://devkit.example.com
## MOD Description: Does what its title says.
## MOD Version: 1.0.0
##
## Installation Level: Easy
## Installation Time: 5 Minutes
## Files To Edit: includes/usercp_register.php
## Included Files: admin_flags.php
##		root/includes/functions_flags.php
##		templates/flag_picker.js
##		images/flags/*.gif
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
copy root/admin/admin_flags.php to admin/admin_flags.php
copy root/includes/functions_flags.php to includes/functions_flags.php
copy root/templates/flag_picker.js to templates/
copy root/images/flags/*.gif to images/flags/*.gif
#
#-----[ OPEN ]------------------------------------------
#
includes/usercp_register.php
#
#-----[ FIND ]------------------------------------------
#
include($phpbb_root_path . 'includes/functions_validate.'.$phpEx);
#
#-----[ AFTER, ADD ]------------------------------------------
#
include($phpbb_root_path . 'includes/functions_flags.'.$phpEx);
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
