############################################################## 
## MOD Title: Quick Reply
## MOD Author: joe < joe@example.org > (Joe Bloggs) http://example.org
## MOD Description: Adds a quick reply box
##                  under each topic.
## MOD Version: 1.0.2b
## 
## Installation Level: Easy
## Installation Time: 5 minutes
## Files To Edit: viewtopic.php,
##                viewtopic_body.tpl
## Included Files: quick_reply.php
############################################################## 
## For Security Purposes, Please Check: http://www.phpbb.com/mods/ for the
## latest version of this MOD.
############################################################## 
## Author Notes: none
############################################################## 
## Before Adding This MOD To Your Forum, You Should Back Up All Files Related To This MOD
############################################################## 

#
#-----[ COPY ]------------------------------------------
#
copy quick_reply.php to quick_reply.php
#
#-----[ OPEN ]------------------------------------------
#
viewtopic.php
#
#-----[ FIND ]------------------------------------------
# this is a partial line
$template->assign_vars(array(
#
#-----[ AFTER, ADD ]------------------------------------------
#
'QUICK_REPLY' => true,
#
#-----[ OPEN ]------------------------------------------
#
templates/subSilver/viewtopic_body.tpl
#
#-----[ FIND ]------------------------------------------
#
<td class="row1">{L_USERNAME}</td>
#
#-----[ IN-LINE FIND ]------------------------------------------
#
{L_USERNAME}
#
#-----[ IN-LINE AFTER, ADD ]------------------------------------------
#
 {QUICK_REPLY}
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
