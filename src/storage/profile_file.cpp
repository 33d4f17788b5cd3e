#include "storage/profile_file.h"

#include <algorithm>

namespace velka {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trimmed(line.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
    line = Trimmed(line);
    return !line.empty() && line.front() == ';';
}

// The key of an entry line ("key=value", or a bare "key"); blank lines and comments have none.
std::optional<std::string_view> KeyOf(std::string_view line) {
    if (IsComment(line) || Trimmed(line).empty())
        return std::nullopt;
    return Trimmed(line.substr(0, line.find('=')));
}

std::string EntryLine(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line += value;
    return line;
}

}  // namespace

ProfileFile ProfileFile::Parse(std::string_view text) {
    ProfileFile file;
    if (text.starts_with(kByteOrderMark)) {
        file.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    bool firstLineEnd = true;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        if (newline != std::string_view::npos && firstLineEnd) {
            // A file written on Windows keeps its CR LF line ends when we rewrite it.
            file.lineEnd_ = line.ends_with('\r') ? "\r\n" : "\n";
            firstLineEnd = false;
        }
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        file.lines_.emplace_back(line);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    }
    return file;
}

std::optional<ProfileFile::SectionLines> ProfileFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (!name || !EqualIgnoringAsciiCase(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end]))
            ++end;
        return SectionLines{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileFile::FindKey(const SectionLines& lines,
                                                std::string_view key) const {
    for (std::size_t i = lines.header + 1; i < lines.end; ++i) {
        const auto name = KeyOf(lines_[i]);
        if (name && EqualIgnoringAsciiCase(*name, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileFile::Value(std::string_view section,
                                              std::string_view key) const {
    const auto lines = FindSection(section);
    if (!lines)
        return std::nullopt;
    const auto index = FindKey(*lines, key);
    if (!index)
        return std::nullopt;
    const std::string_view line = lines_[*index];
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::string();
    std::string_view value = Trimmed(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

void ProfileFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    const auto lines = FindSection(section);
    if (!lines) {
        if (!lines_.empty() && !Trimmed(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(EntryLine(key, value));
        return;
    }
    if (const auto index = FindKey(*lines, key)) {
        lines_[*index] = EntryLine(key, value);
        return;
    }
    // After the section's last entry, before the blank lines that part it from the next one.
    std::size_t insertAt = lines->end;
    while (insertAt > lines->header + 1 && Trimmed(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), EntryLine(key, value));
}

std::string ProfileFile::Text() const {
    std::string text = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
    for (const std::string& line : lines_) {
        text += line;
        text += lineEnd_;
    }
    return text;
}

}  // namespace velka
