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
##                templates/subSilver/viewtopic_body.tpl
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
#-----[ COPIER ]------------------------------------------
#
copy quick_reply.php to quick_reply.php
#
#-----[ OUVRIR ]------------------------------------------
#
viewtopic.php
#
#-----[ CHERCHER ]------------------------------------------
# this is a partial line
$template->assign_vars(array(
#
#-----[ APRES, AJOUTER ]------------------------------------------
#
'QUICK_REPLY' => true,
#
#-----[ OUVRIR ]------------------------------------------
#
templates/subSilver/viewtopic_body.tpl
#
#-----[ CHERCHER ]------------------------------------------
#
<td class="row1">{L_USERNAME}</td>
#
#-----[ DANS LA LIGNE, CHERCHER ]------------------------------------------
#
{L_USERNAME}
#
#-----[ DANS LA LIGNE, APRES, AJOUTER ]------------------------------------------
#
 {QUICK_REPLY}
#
#-----[ SAUVEGARDER/FERMER TOUS LES FICHIERS ]------------------------------------------
#
# EoM
