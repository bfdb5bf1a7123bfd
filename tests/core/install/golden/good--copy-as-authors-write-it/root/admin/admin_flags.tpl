<h1>{L_FLAGS}</h1>
