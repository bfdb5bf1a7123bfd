<?php
$upgrade = true;
