##############################################################
## MOD Title: Split Long Topics
## MOD Author: Rikard < rikard@example.se > (Rikard Lund) N/A
## MOD Description:
##		Moderators can split a topic in two at any post,
##		keeping the replies in order.
## MOD Version: 2.0.1
##
## Installation Level: Intermediate
## Installation Time: 15 Minutes
## Files To Edit:
##		modcp.php
##		viewtopic.php
##
##		--- templates ---
##		templates/subSilver/modcp_split.tpl
##		templates/subSilver/viewtopic_body.tpl
##
## Included Files:
##		n/a
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
modcp.php
#
#-----[ FIND ]------------------------------------------
#
case 'split':
#
#-----[ AFTER, ADD ]------------------------------------------
#
		// split at any post
#
#-----[ OPEN ]------------------------------------------
#
viewtopic.php
#
#-----[ FIND ]------------------------------------------
#
$s_auth_can .= 
#
#-----[ AFTER, ADD ]------------------------------------------
#
// a link to split here
#
#-----[ OPEN ]------------------------------------------
#
templates/subSilver/modcp_split.tpl
#
#-----[ FIND ]------------------------------------------
#
<form method="post" action="{S_SPLIT_ACTION}">
#
#-----[ AFTER, ADD ]------------------------------------------
#
<!-- split at a post -->
#
#-----[ OPEN ]------------------------------------------
#
templates/subSilver/viewtopic_body.tpl
#
#-----[ FIND ]------------------------------------------
#
{postrow.EDIT_IMG}
#
#-----[ AFTER, ADD ]------------------------------------------
#
{postrow.SPLIT_IMG}
#
#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------
#
# EoM
