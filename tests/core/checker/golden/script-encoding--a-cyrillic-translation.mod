##############################################################
## MOD Title: Quick Reply (Russian language pack)
## MOD Author: joe < joe@example.org > (Joe Bloggs) http://example.org
## MOD Description: Русский перевод для мода быстрого ответа.
## MOD Version: 1.0.2
##
## Installation Level: Easy
## Installation Time: 1 Minute
## Files To Edit: language/lang_russian/lang_main.php
## Included Files: n/a
##############################################################
## For security purposes, please check: http://www.phpbb.com/mods/
## for the latest version of this MOD.
##############################################################
## Before Adding This MOD To Your Forum, You Should Back Up All Files Related To This MOD
##############################################################

#
#-----[ OPEN ]------------------------------------------
#
language/lang_russian/lang_main.php
#
#-----[ FIND ]------------------------------------------
#
?>
#
#-----[ BEFORE, ADD ]------------------------------------------
#
$lang['Quick_reply'] = 'Быстрый ответ';
$lang['Quick_reply_explain'] = 'Напишите сообщение и нажмите кнопку отправки';
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
