<?php
// who has which flag
?>
