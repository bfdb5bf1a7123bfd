<?php
// The badges of the members listed
?>
