<?php
// the admin panel
?>
