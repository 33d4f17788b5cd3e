#pragma once
// The summary of one stored image as the history lists it.

#include <cstdint>
#include <string>

namespace velka {

struct ArchiveEntry {
    // The name as shown and searched: the stored name read as UTF-8, each byte that is not
    // part of valid UTF-8 shown as U+FFFD.
    std::u16string fileName;
    std::uint32_t startTime = 0;  // seconds since 1970, UTC
    std::uint32_t stopTime = 0;
    std::u16string deliveryCompany;   // at most 20 characters
    std::u16string receivingCompany;  // at most 20 characters
    std::u16string transportNumber;   // at most 10 characters
    std::uint32_t deliveryDate = 0;
    // False when the file is not a complete logger image: its times and texts are then empty
    // and the history says so instead of showing 1970.
    bool readable = true;
    // The archive's manifest lists the file with other content: it was changed after it was
    // archived. The history still lists it, marked.
    bool changedSinceArchived = false;
    // The name's bytes exactly as the file system gives them: the file is loaded by these,
    // so a name that is not UTF-8 still opens.
    std::string storedName;

    bool operator==(const ArchiveEntry&) const = default;
};

}  // namespace velka
