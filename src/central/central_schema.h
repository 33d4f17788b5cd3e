#pragma once
// The central archive's tables in PostgreSQL (schema "velka"): recordings with their summaries,
// their 16,384-byte images apart from them, the workstations' audit lines, and the version of
// this layout for later migrations. Two group roles: velka_upload (SELECT, INSERT) and
// velka_read (SELECT). A row, once there, is never changed: UPDATE, DELETE and TRUNCATE are
// revoked and refused by triggers, which also stamp who uploaded a row and when.

#include "central/pg_connection.h"

namespace velka {

inline constexpr int kCentralSchemaVersion = 2;

// Creates whatever is missing, in one transaction; running it again changes nothing. Needs a
// role that may create schemas and roles.
void InitCentralSchema(PgConnection& connection);

// Throws CentralError unless the server holds the schema in a version this program knows.
void CheckCentralSchema(PgConnection& connection);

}  // namespace velka
