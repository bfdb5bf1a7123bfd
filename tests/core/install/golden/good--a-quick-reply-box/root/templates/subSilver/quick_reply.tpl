<form action="{S_POST_ACTION}" method="post">
<textarea name="message" rows="6" cols="60"></textarea>
</form>
