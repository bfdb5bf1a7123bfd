############################################################## 
## MOD Title: Topic Starter Badge
## MOD Author: Quill_Fan < n/a > (Pat Ryder) http://www.example.com/forum
## MOD Description: Marks the posts of the member who started a topic.
## MOD Version: 1.0.3
## 
## Installation Level: Easy
## Installation Time: 3 Minutes
## Files To Edit (2): 	viewtopic.php
##						viewtopic_body.tpl (or the same file of your style)
##
## Included Files (1): 	starter.gif
##
## License: http://opensource.org/licenses/gpl-license.php GNU Public License v2 
############################################################## 
## For Security Purposes, Please Check: http://www.phpbb.com/mods/ for the 
## latest version of this MOD. Downloading this MOD from other sites could cause malicious code 
## to enter into your phpBB Forum. As such, phpBB will not offer support for MOD's not offered 
## in our MOD-Database, located at: http://www.phpbb.com/mods/ 
############################################################## 
## Author Notes: Put starter.gif in the images folder of each style you use.
############################################################## 
## Before Adding This MOD To Your Forum, You Should Back Up All Files Related To This MOD 
############################################################## 

# 
#-----[ COPY ]------------------------------------------ 
# 
copy root/templates/subSilver/images/starter.gif to templates/subSilver/images/starter.gif

# 
#-----[ OPEN ]------------------------------------------ 
# 
viewtopic.php

# 
#-----[ FIND ]------------------------------------------ 
# 
		'POSTER_NAME' => $poster,
# 
#-----[ AFTER, ADD ]------------------------------------------ 
# 
		'POSTER_STARTED' => ( $poster_id == $topic_starter ) ? '<img src="templates/subSilver/images/starter.gif" alt="" />' : '',

# 
#-----[ OPEN ]------------------------------------------ 
# 
templates/subSilver/viewtopic_body.tpl

# 
#-----[ FIND ]------------------------------------------ 
# 
<b>{postrow.POSTER_NAME}</b>
# 
#-----[ IN-LINE FIND ]------------------------------------------ 
# 
</b>
# 
#-----[ IN-LINE AFTER, ADD ]------------------------------------------ 
# 
 {postrow.POSTER_STARTED}
# 
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------ 
# 
# EoM 
