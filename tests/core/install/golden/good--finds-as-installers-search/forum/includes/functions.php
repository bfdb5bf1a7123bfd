<?php
function get_db_stat($mode)
{
	return 0;
}

function make_jumpbox()
{
}