<?php
// The quick reply box
include($phpbb_root_path . 'includes/quick_reply.'.$phpEx);
?>
