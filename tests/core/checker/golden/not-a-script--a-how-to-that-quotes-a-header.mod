How to add a setting of your own to your MOD
=============================================

Most MODs need a switch in the board configuration. This note shows the
three places to change; copy the parts you need into your own script.
The switch is kept in the config table, so no new table is needed, and
the administrator sets it in the board configuration like any other.

First the header. List the files your MOD edits, as usual:

Then the lines themselves. Each part below is an example only: the names
are placeholders for your own.

## Files To Edit:
##	admin/admin_board.php

#
#-----[ OPEN ]------------------------------------------
#
admin/admin_board.php
#
#-----[ FIND ]------------------------------------------
#
$template->assign_vars(array(
#
#-----[ AFTER, ADD ]------------------------------------------
#
	"MY_SETTING" => $new['my_setting'],

That is all: the rest is your MOD.
