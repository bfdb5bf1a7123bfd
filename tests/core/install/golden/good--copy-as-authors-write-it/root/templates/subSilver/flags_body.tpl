<table>{FLAGS}</table>
