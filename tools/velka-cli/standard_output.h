#pragma once
// Standard output as the commands write it: through a buffer of our own on file descriptor 1,
// which remembers why the first write failed (a full disk, a closed stream), so that the run
// can fail with that reason instead of ending as a success with nothing to show.

#include <array>
#include <ostream>
#include <streambuf>

namespace velka::cli {

class DescriptorOutput final : public std::streambuf {
public:
    explicit DescriptorOutput(int fd);
    ~DescriptorOutput() override;
    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;

    // The errno of the first failed write; 0 while everything went out.
    int Error() const { return error_; }

protected:
    int_type overflow(int_type character) override;
    int sync() override;

private:
    bool WriteBuffered();

    int fd_;
    int error_ = 0;
    std::array<char, 8192> buffer_{};
};

}  // namespace velka::cli
