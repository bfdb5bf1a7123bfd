<?php
define('IN_BADGES', true);
$badges_version = '1.1.0';
?>
