<?php
$lang['Badges'] = 'Badges';
?>
