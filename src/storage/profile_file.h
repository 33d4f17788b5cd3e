#pragma once
// A small reader and writer of private-profile files ("[section]" lines, "key=value" lines,
// ";" comments), the format of the program's config.ini. Section and key names match without
// regard to ASCII case, the first of two equal names wins, and a write changes only the one line
// it concerns, so comments and other sections of a hand-edited file survive. QSettings is not
// used: it percent-encodes the spaces of our keys and quotes values, so the file would no
// longer be the plain one users and other tools expect.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace velka {

class ProfileFile {
public:
    // Reads the text of a file (UTF-8; a byte-order mark is skipped and kept).
    static ProfileFile Parse(std::string_view text);

    // The value of `key` in `section`, without surrounding blanks; a value enclosed in a pair of
    // equal quotes loses them. Nothing when the section or key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Sets `key`: its line is rewritten in place, or the key is added after the section's last
    // entry, or the section is added at the end of the file.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

private:
    // The index of the section's header line, and the end of its lines.
    struct SectionLines {
        std::size_t header = 0;
        std::size_t end = 0;
    };
    std::optional<SectionLines> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const SectionLines& lines, std::string_view key) const;

    std::vector<std::string> lines_;
    std::string lineEnd_ = "\n";
    bool byteOrderMark_ = false;
};

// Reads the file, lets `change` set its values, and writes it back through the staged writer,
// keeping whatever else it holds. A file that is a link (kept in a dotfiles folder) is written
// where it points; a missing file and its folder are made; a file that exists but cannot be read
// is left alone rather than replaced by one that has lost its other lines.
std::error_code UpdateProfileFile(const std::filesystem::path& path,
                                  const std::function<void(ProfileFile&)>& change);

}  // namespace velka
