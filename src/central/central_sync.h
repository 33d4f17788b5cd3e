#pragma once
// Uploading a data root to the central archive: every archived image the server lacks, then the
// audit lines it has not seen. Idempotent: a sync that is cut off (network, a kill) has either
// stored an image with its summary or not at all, and the next one goes on from there.

#include "central/central_recording.h"
#include "central/pg_connection.h"
#include "storage/data_root.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velka {

struct SyncReport {
    std::size_t images = 0;            // complete images in the archive folder
    std::size_t uploaded = 0;          // new to the server
    std::size_t alreadyThere = 0;      // the server had them (from here or another dock)
    std::vector<std::string> skipped;  // files that are no complete image: "name: reason"
    std::size_t auditLines = 0;        // audit lines uploaded
    std::vector<std::string> digests;  // of the complete images, which the server now holds
};

struct ArchivedDigest {
    std::string fileName;  // in the archive folder
    std::string sha256;
};

// The SHA-256 of every complete image in the root's archive folder.
std::vector<ArchivedDigest> ArchivedDigests(const DataRoot& root);

// Throws CentralError (the server) or std::runtime_error (the data root); what was committed
// before stays committed. The local archive is only read.
SyncReport SyncToCentral(PgConnection& connection, const DataRoot& root,
                         const ReferenceTables& tables, const UploadOrigin& origin,
                         std::int64_t now);

}  // namespace velka
