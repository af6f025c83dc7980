#include "platform/files.h"

#include "platform/large_buffer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace dv {
namespace {

bool fail(std::string* error, const std::string& what, const fs::path& path) {
    if (error) *error = what + " " + path.string() + ": " + std::strerror(errno);
    return false;
}

bool writeAll(int fd, std::span<const uint8_t> data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The rename is only durable once the folder entry itself reached the disk.
void syncDirectory(const fs::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool readFile(const fs::path& path, std::vector<uint8_t>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return false;
    in.seekg(0);
    resizeLargeBuffer(out, static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(out.data()), size);
    return static_cast<std::streamoff>(in.gcount()) == size;
}

bool writeFileAtomically(const fs::path& target, std::span<const uint8_t> data, std::string* error) {
    fs::path temp = target;
    temp += ".saving";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return fail(error, "cannot create", temp);
    if (!writeAll(fd, data) || ::fsync(fd) != 0) {
        fail(error, "cannot write", temp);
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    }
    if (::close(fd) != 0) {
        fail(error, "cannot write", temp);
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        fail(error, "cannot replace", target);
        ::unlink(temp.c_str());
        return false;
    }
    syncDirectory(target.parent_path());
    return true;
}

int64_t fileSize(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return -1;
    const auto size = fs::file_size(path, ec);
    return ec ? -1 : static_cast<int64_t>(size);
}

bool isDirectory(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool fileExists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool removeFile(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
    return !fs::exists(path, ec);
}

}  // namespace dv
