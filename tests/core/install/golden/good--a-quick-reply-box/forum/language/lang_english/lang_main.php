<?php
$lang['Author'] = 'Author';
$lang['Message'] = 'Message';
$lang['Café'] = 'Café';

//
// That's all, Folks!
// -------------------------------------------------

?>
