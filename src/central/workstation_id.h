#pragma once
// Which workstation uploaded a recording or an audit line: a random UUID made once per data root
// and kept in DATA-ROOT/workstation-id, so that a renamed or re-installed machine that keeps
// its data root stays the same workstation, and two data roots on one machine are two.

#include "storage/data_root.h"

#include <string>

namespace velka {

inline constexpr const char* kWorkstationIdName = "workstation-id";

// The data root's id ("0f8e…-…"), made and kept when there is none yet (two programs making it
// at once agree on the first). Throws std::runtime_error when it can be neither read nor kept.
std::string WorkstationId(const DataRoot& root);

// Whether `text` is a UUID as WorkstationId writes it: 36 lower-case characters, 8-4-4-4-12.
bool IsWorkstationId(std::string_view text);

}  // namespace velka
