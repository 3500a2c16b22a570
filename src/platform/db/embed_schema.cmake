# Turns schema/sqlite.sql into a C++ source holding its text, so the library
# carries its schema and `corvela init` needs no data file beside it.
# Usage: cmake -DINPUT=sqlite.sql -DOUTPUT=sqlite_schema_text.cpp -P embed_schema.cmake
file(READ "${INPUT}" text)
file(WRITE "${OUTPUT}"
  "// Generated from schema/sqlite.sql by embed_schema.cmake; edit the .sql file.\n"
  "#include <string_view>\n\n"
  "namespace corvela::db {\n\n"
  "extern const std::string_view kSqliteSchemaText;\n"
  "const std::string_view kSqliteSchemaText = R\"corvela_schema(${text})corvela_schema\";\n\n"
  "}  // namespace corvela::db\n")
