#include "record/recording.h"

namespace velka {

Recording DecodeRecording(const LoggerImage& image, const ReferenceTables& tables,
                          std::int64_t now) {
    Recording recording;
    // The limits and the temperatures both depend on the table of this image's calibration.
    recording.currentTable = BuildCurrentTable(tables, ReadU16(image, kCalibrationAOffset),
                                               ReadU16(image, kCalibrationBOffset));
    recording.settings = DecodeSettings(image, recording.currentTable, now);
    ParsedProducts products = ParseImageProducts(image);
    recording.settings.products = std::move(products.products);
    recording.settings.tableUsedBytes = products.tableUsedBytes;
    recording.record = DecodeImage(image, recording.currentTable, recording.settings.lowerLimit,
                                   recording.settings.upperLimit);
    return recording;
}

}  // namespace velka
