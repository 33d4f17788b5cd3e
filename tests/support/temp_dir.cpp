#include "temp_dir.h"

#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <system_error>

namespace velka::testing {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velka-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code error;
    // Tests may leave read-only folders behind; give them back before removing.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
}

}  // namespace velka::testing
