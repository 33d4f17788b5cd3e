#include "standard_output.h"

#include <cerrno>
#include <unistd.h>

namespace velka::cli {

DescriptorOutput::DescriptorOutput(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorOutput::~DescriptorOutput() {
    WriteBuffered();
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type character) {
    if (!WriteBuffered())
        return traits_type::eof();
    if (!traits_type::eq_int_type(character, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(character);
        pbump(1);
    }
    return traits_type::not_eof(character);
}

int DescriptorOutput::sync() {
    return WriteBuffered() ? 0 : -1;
}

bool DescriptorOutput::WriteBuffered() {
    const char* data = pbase();
    std::size_t size = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    // After a failure the rest is dropped: it could only fail again or arrive with a gap.
    if (error_ != 0)
        return false;
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            error_ = errno;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace velka::cli
