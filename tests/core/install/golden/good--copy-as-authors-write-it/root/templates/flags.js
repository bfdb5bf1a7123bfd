function flag(id) { return id; }
