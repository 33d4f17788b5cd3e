#include "central/central_schema.h"

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
    site text NOT NULL DEFAULT '',
    workstation uuid NOT NULL,
    host text NOT NULL DEFAULT '',
    uploaded_by text NOT NULL DEFAULT session_user,
    uploaded_at timestamptz NOT NULL DEFAULT now()
);
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

}  // namespace

void InitCentralSchema(PgConnection& connection) {
    InTransaction(connection, [&] {
        // Two programs initialising at once wait for each other rather than collide.
        connection.RunScript("SELECT pg_advisory_xact_lock(7306451)");
        connection.RunScript(kSchema);
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
