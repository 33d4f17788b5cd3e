#pragma once
// One recording decoded from its image: the calibrated table built from the image's
// calibration words, the settings with their limits through that table, the products, and the
// samples with their summary. Acquisition, a stored file and the command line all go this way.

#include "record/logger_image.h"
#include "record/logger_settings.h"
#include "record/reference_table.h"
#include "record/sample_decoding.h"

#include <cstdint>

namespace velka {

struct Recording {
    ReferenceTable currentTable;
    LoggerSettings settings;
    DecodedRecord record;

    std::int64_t StartTime() const {
        return RecordingStartTime(settings.clockSetTime, settings.startOffset);
    }
    std::int64_t StopTime() const {
        return RecordingStopTime(StartTime(), settings.logInterval, record.samples.size());
    }
    std::int64_t SampleTime(std::size_t k) const { return velka::SampleTime(settings, k); }
};

Recording DecodeRecording(const LoggerImage& image, const ReferenceTables& tables,
                          std::int64_t now);

}  // namespace velka
