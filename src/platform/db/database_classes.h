// Registration of the scriptable database classes with the ProgID factory:
// "ADODB.Recordset" (Recordset) and "ADODB.Connection" (ConnectionObject).
// Called explicitly by whoever sets up the factory; static libraries have no
// static initialisers that could do it.
#pragma once

namespace corvela::db {

void registerDatabaseClasses();

}  // namespace corvela::db
