#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the
// end of the test. Tests keep their data roots here and never touch the user's home.

#include <filesystem>

namespace velka::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& child) const {
        return path_ / child;
    }

private:
    std::filesystem::path path_;
};

}  // namespace velka::testing
