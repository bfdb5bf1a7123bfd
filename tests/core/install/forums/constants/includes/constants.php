<?php
// Debug Level
define('DEBUG', 1);

// URL PARAMETERS
define('POST_TOPIC_URL', 't');
define('POST_FORUM_URL', 'f');

// Page numbers for session handling
define('PAGE_INDEX', 0);
define('PAGE_LOGIN', -1);
define('PAGE_SEARCH', -2);

// Sizes
define('MAX_TOPIC_ID', 9223372036854775807);
define('MAX_HITS', 99999999999999999999999);
define('SCHEMA_CODE', '007');
?>