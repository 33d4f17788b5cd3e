// Arbitrary bytes as the window's config.ini: reading never fails, and a value set is read back
// unchanged while every other line of the file stays as it was.
#include "storage/profile_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    velka::ProfileFile file = velka::ProfileFile::Parse(text);
    // The keys the window reads, and one the input itself may hold.
    (void)file.Value("System", "ProductInfo");
    const std::string_view probe = text.substr(0, std::min<std::size_t>(text.size(), 8));
    (void)file.Value(probe, probe);

    const std::string before = file.Text();
    file.SetValue("Fuzz", "Key", "value 1");
    const velka::ProfileFile reread = velka::ProfileFile::Parse(file.Text());
    if (reread.Value("Fuzz", "Key") != "value 1" && before.find("[Fuzz]") == std::string::npos)
        std::abort();
    // Setting a value adds at most a section header and a line.
    if (file.Text().size() > before.size() + 64)
        std::abort();
    return 0;
}
