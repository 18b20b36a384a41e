#include "PendingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace dorvane_host {

namespace {

std::string Reason(int error) { return std::strerror(error); }

// ".name.XXXXXX" in the file's own folder, so that renaming it onto the
// file replaces the file in one step.
std::string HiddenTemplate(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".XXXXXX";
}

}  // namespace

PendingFile::PendingFile(std::string path) : path_(std::move(path)) {
    struct stat status {};
    if (stat(path_.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) throw FileError(Reason(EISDIR));
        if (access(path_.c_str(), W_OK) != 0) throw FileError(Reason(errno));
    }
    std::string name = HiddenTemplate(path_);
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    const int descriptor = mkstemp(buffer.data());
    if (descriptor < 0) throw FileError(Reason(errno));
    close(descriptor);
    hidden_ = buffer.data();
    stream_.open(hidden_, std::ios::binary | std::ios::trunc);
    if (!stream_) {
        const int error = errno;
        std::remove(hidden_.c_str());
        throw FileError(Reason(error));
    }
}

PendingFile::~PendingFile() {
    if (!committed_) std::remove(hidden_.c_str());
}

void PendingFile::Commit() {
    stream_.close();
    if (stream_.fail()) throw FileError("writing it failed");
    // mkstemp makes the file readable by its owner only; give it the
    // permissions a file made by the program would have.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(hidden_.c_str(), 0666 & ~mask);
    if (std::rename(hidden_.c_str(), path_.c_str()) != 0) throw FileError(Reason(errno));
    committed_ = true;
}

bool IsDirectory(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string UnreadableReason(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return Reason(errno);
    if (S_ISDIR(status.st_mode)) return Reason(EISDIR);
    const int descriptor = open(path.c_str(), O_RDONLY);
    if (descriptor < 0) return Reason(errno);
    close(descriptor);
    return "";
}

}  // namespace dorvane_host
