#include "central/central_history_row.h"

#include "record/text_encoding.h"

namespace velka {

HistoryRow CentralHistoryRow(const CentralRow& row, std::size_t position, const ShownForms& forms) {
    const CentralRecording& recording = row.recording;
    // The times go as the logger keeps them: 32 bits.
    ArchiveEntry entry;
    entry.fileName = Utf16FromUtf8(recording.serial);
    entry.startTime = static_cast<std::uint32_t>(recording.startTime);
    entry.stopTime = static_cast<std::uint32_t>(recording.stopTime);
    entry.deliveryCompany = Utf16FromUtf8(recording.deliveryCompany);
    entry.receivingCompany = Utf16FromUtf8(recording.receivingCompany);
    entry.transportNumber = Utf16FromUtf8(recording.transportNumber);
    entry.deliveryDate = static_cast<std::uint32_t>(recording.deliveryDate);
    HistoryRow shown;
    shown.texts = HistoryRowTexts(entry, position, forms);
    shown.itemData = position;
    shown.site = Utf16FromUtf8(row.site);
    // The host names the machine for people; an upload without one shows its workstation id.
    shown.workstation = Utf16FromUtf8(row.host.empty() ? row.workstation : row.host);
    return shown;
}

}  // namespace velka
