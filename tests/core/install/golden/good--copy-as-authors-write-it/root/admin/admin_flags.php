<?php
// flags in the admin panel
?>
