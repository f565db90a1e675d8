// Unit Mysqlupdsqled: SQL scanning, update statement generation, the update SQL editor.
