<?php
/***************************************************************************
 *                               viewtopic.php
 ***************************************************************************/

define('IN_PHPBB', true);
$phpbb_root_path = './';
include($phpbb_root_path . 'extension.inc');
include($phpbb_root_path . 'common.'.$phpEx);

$topic_id = ( isset($HTTP_GET_VARS[POST_TOPIC_URL]) ) ? intval($HTTP_GET_VARS[POST_TOPIC_URL]) : 0;

$sql = "SELECT t.topic_id, t.topic_title
	FROM " . TOPICS_TABLE . " t
	WHERE t.topic_id = $topic_id";
if ( !($result = $db->sql_query($sql)) )
{
	message_die(GENERAL_ERROR, 'Could not obtain topic information', '', __LINE__, __FILE__, $sql);
}

$template->assign_vars(array(
	'FORUM_NAME' => $forum_name,
	'L_AUTHOR' => $lang['Author'],
	'L_MESSAGE' => $lang['Message'])
);

$colspan = 2;
$template->pparse('body');
?>
