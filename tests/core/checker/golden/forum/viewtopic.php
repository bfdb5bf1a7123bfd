<?php
$template->assign_vars(array(
	"L_X" => 1,
));
?>
