<?php
$lang['Badges_memberlist'] = 'Badges of the members';
?>
