############################################################## 
## MOD Title: Staff Colours in the Member List 
## MOD Author: ellis < ellis@example.net > (Ellis Grant) http://www.example.net 
## MOD Description: Shows administrators and moderators in their colours in the member list. 
## MOD Version: 1.0.1 
## 
## Installation Level: Easy 
## Installation Time: 2 Minutes 
## File To Edit: memberlist.php
## 
## Included File: N/A 
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
memberlist.php

# 
#-----[ FIND ]------------------------------------------ 
# 
$username = $row['username'];

# 
#-----[ AFTER, ADD ]------------------------------------------ 
# 
$style_color = ( $row['user_level'] == ADMIN ) ? ' style="color:#' . $theme['fontcolor3'] . '"' : '';

# 
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------ 
# 
# EoM 
