#include "central/central_schema.h"

#include "record/logger_image.h"

#include <string>

namespace velka {
namespace {

constexpr const char* kSchema = R"sql(
CREATE SCHEMA IF NOT EXISTS velka;

CREATE TABLE IF NOT EXISTS velka.schema_version (
    version integer PRIMARY KEY,
    applied_at timestamptz NOT NULL DEFAULT now()
);

CREATE TABLE IF NOT EXISTS velka.recording (
    sha256 text PRIMARY KEY CHECK (sha256 ~ '^[0-9a-f]{64}$'),
    serial text NOT NULL,
    start_time bigint NOT NULL,
    stop_time bigint NOT NULL,
    interval_seconds integer NOT NULL,
    lower_limit double precision NOT NULL,
    upper_limit double precision NOT NULL,
    samples integer NOT NULL,
    highest double precision,
    lowest double precision,
    average double precision,
    mkt double precision,
    seconds_above bigint,
    seconds_below bigint,
    delivery_company text NOT NULL DEFAULT '',
    receiving_company text NOT NULL DEFAULT '',
    transport_company text NOT NULL DEFAULT '',
    transport_number text NOT NULL DEFAULT '',
    delivery_date bigint,
    site text NOT NULL DEFAULT '',
    workstation uuid NOT NULL,
    host text NOT NULL DEFAULT '',
    uploaded_by text NOT NULL DEFAULT session_user,
    uploaded_at timestamptz NOT NULL DEFAULT now()
);
-- Version 2 keeps the delivery date the image holds (0 when none was set), which the history
-- queries and sorts by; rows of version 1 take it from their image below.
ALTER TABLE velka.recording ADD COLUMN IF NOT EXISTS delivery_date bigint;
CREATE INDEX IF NOT EXISTS recording_serial_start ON velka.recording (serial, start_time);
CREATE INDEX IF NOT EXISTS recording_start ON velka.recording (start_time DESC, sha256);

CREATE TABLE IF NOT EXISTS velka.recording_image (
    sha256 text PRIMARY KEY REFERENCES velka.recording (sha256),
    image bytea NOT NULL CHECK (octet_length(image) = 16384)
);

CREATE TABLE IF NOT EXISTS velka.audit_event (
    workstation uuid NOT NULL,
    line integer NOT NULL CHECK (line > 0),
    text text NOT NULL,
    prev text,
    sha256 text NOT NULL,
    site text NOT NULL DEFAULT '',
    host text NOT NULL DEFAULT '',
    uploaded_by text NOT NULL DEFAULT session_user,
    uploaded_at timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (workstation, line)
);

-- Who uploaded a row and when is the server's word, whatever the client sends.
CREATE OR REPLACE FUNCTION velka.stamp_upload() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    NEW.uploaded_by := session_user;
    NEW.uploaded_at := now();
    RETURN NEW;
END $$;

CREATE OR REPLACE FUNCTION velka.refuse_change() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    RAISE EXCEPTION 'velka.% keeps what was uploaded: it is never changed, deleted or emptied',
        TG_TABLE_NAME USING ERRCODE = '42501';
END $$;

DO $$
DECLARE
    name text;
BEGIN
    FOREACH name IN ARRAY ARRAY['recording', 'recording_image', 'audit_event'] LOOP
        EXECUTE format('CREATE OR REPLACE TRIGGER refuse_change BEFORE UPDATE OR DELETE ON velka.%I '
                       'FOR EACH ROW EXECUTE FUNCTION velka.refuse_change()', name);
        EXECUTE format('CREATE OR REPLACE TRIGGER refuse_truncate BEFORE TRUNCATE ON velka.%I '
                       'FOR EACH STATEMENT EXECUTE FUNCTION velka.refuse_change()', name);
    END LOOP;
    CREATE OR REPLACE TRIGGER stamp_upload BEFORE INSERT ON velka.recording
        FOR EACH ROW EXECUTE FUNCTION velka.stamp_upload();
    CREATE OR REPLACE TRIGGER stamp_upload BEFORE INSERT ON velka.audit_event
        FOR EACH ROW EXECUTE FUNCTION velka.stamp_upload();
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'velka_upload') THEN
        CREATE ROLE velka_upload NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'velka_read') THEN
        CREATE ROLE velka_read NOLOGIN;
    END IF;
END $$;

REVOKE ALL ON ALL TABLES IN SCHEMA velka FROM PUBLIC;
GRANT USAGE ON SCHEMA velka TO velka_upload, velka_read;
GRANT SELECT ON ALL TABLES IN SCHEMA velka TO velka_upload, velka_read;
GRANT INSERT ON velka.recording, velka.recording_image, velka.audit_event TO velka_upload;
REVOKE UPDATE, DELETE, TRUNCATE ON ALL TABLES IN SCHEMA velka FROM velka_upload, velka_read;
)sql";

// The rows uploaded before version 2 read their delivery date from their own image (a
// little-endian 32-bit number). The one change ever made to a stored row: the trigger that
// refuses changes is set aside for it inside the migration's transaction.
std::string BackfillDeliveryDates() {
    const std::string at = std::to_string(kDeliveryDateOffset);
    const auto byte = [&](int index, const char* factor) {
        return "get_byte(i.image, " + at + " + " + std::to_string(index) + ")::bigint * " + factor;
    };
    return "ALTER TABLE velka.recording DISABLE TRIGGER refuse_change;\n"
           "UPDATE velka.recording r SET delivery_date = " +
           byte(0, "1") + " + " + byte(1, "256") + " + " + byte(2, "65536") + " + " +
           byte(3, "16777216") +
           " FROM velka.recording_image i WHERE i.sha256 = r.sha256 AND r.delivery_date IS NULL;\n"
           "ALTER TABLE velka.recording ENABLE TRIGGER refuse_change;\n";
}

}  // namespace

void InitCentralSchema(PgConnection& connection) {
    InTransaction(connection, [&] {
        // Two programs initialising at once wait for each other rather than collide.
        connection.RunScript("SELECT pg_advisory_xact_lock(7306451)");
        connection.RunScript(kSchema);
        connection.RunScript(BackfillDeliveryDates());
        connection.Run("INSERT INTO velka.schema_version (version) VALUES ($1) "
                       "ON CONFLICT (version) DO NOTHING",
                       {kCentralSchemaVersion});
    });
}

void CheckCentralSchema(PgConnection& connection) {
    const PgResult version = connection.Run("SELECT max(version) FROM velka.schema_version");
    if (version.IsNull(0, 0))
        throw CentralError("the central archive has no schema (run velka-cli central init)");
    if (version.Integer(0, 0) > kCentralSchemaVersion)
        throw CentralError("the central archive's schema is version " +
                           std::to_string(version.Integer(0, 0)) + ", newer than this program's " +
                           std::to_string(kCentralSchemaVersion));
}

}  // namespace velka
