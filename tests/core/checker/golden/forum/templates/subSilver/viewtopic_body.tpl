<tr>
<td class="row1">{L_USERNAME}</td>
</tr>
