<td class="row1">{memberrow.BADGES}</td>
