# Makes FILE a plain file, readable by all and writable by its owner (0644).
file(CHMOD ${FILE} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
