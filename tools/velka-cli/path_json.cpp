#include "path_json.h"

#include "record/text_encoding.h"

#include <QByteArray>

namespace velka::cli {

void PutPath(nlohmann::ordered_json& json, const std::string& field,
             const std::filesystem::path& path) {
    const std::string& bytes = path.native();
    json[field] = JsonText(bytes);
    if (json[field] != bytes) {
        const QByteArray exact(bytes.data(), static_cast<qsizetype>(bytes.size()));
        json[field + "Base64"] = exact.toBase64().toStdString();
    }
}

std::string JsonText(std::string_view text) {
    return Utf8FromUtf16(Utf16FromUtf8(text));
}

}  // namespace velka::cli
