<table class="forumline">
<tr><td>{BADGES}</td></tr>
</table>
