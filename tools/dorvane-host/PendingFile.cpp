#include "PendingFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace dorvane_host {

namespace fs = std::filesystem;

namespace {

std::string Reason(int error) { return std::strerror(error); }

// ".name.XXXXXX" in the file's own folder, so that renaming it onto the
// file replaces the file in one step; a name no file has yet.
std::string HiddenName(const std::string& path) {
    const fs::path target(path);
    std::random_device entropy;
    std::mt19937_64 draw(entropy());
    const char* const letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix;
        for (int i = 0; i < 6; ++i) suffix += letters[draw() % 36];
        const fs::path hidden = target.parent_path() / ("." + target.filename().string() + "." + suffix);
        std::error_code error;
        const bool taken = fs::exists(hidden, error);
        if (error) throw FileError(error.message());  // a folder that cannot be searched, say
        if (!taken) return hidden.string();
    }
    throw FileError("no free name for a file beside it");
}

}  // namespace

PendingFile::PendingFile(std::string path) : path_(std::move(path)) {
    std::error_code error;
    if (fs::is_directory(path_, error)) throw FileError(Reason(EISDIR));
    if (fs::exists(path_, error)) {
        // Opened to append, which changes nothing, to learn whether the
        // file may be replaced.
        errno = 0;
        std::ofstream probe(path_, std::ios::binary | std::ios::app);
        if (!probe) throw FileError(Reason(errno != 0 ? errno : EACCES));
    }
    hidden_ = HiddenName(path_);
    errno = 0;
    stream_.open(hidden_, std::ios::binary | std::ios::trunc);
    if (!stream_) {
        const int reason = errno != 0 ? errno : EACCES;
        std::remove(hidden_.c_str());
        throw FileError(Reason(reason));
    }
}

PendingFile::~PendingFile() {
    if (!committed_) std::remove(hidden_.c_str());
}

void PendingFile::Commit() {
    stream_.close();
    if (stream_.fail()) throw FileError("writing it failed");
    // std::filesystem's rename replaces an existing file on every platform,
    // where the C library's does not on Windows.
    std::error_code error;
    fs::rename(hidden_, path_, error);
    if (error) throw FileError(error.message());
    committed_ = true;
}

bool IsDirectory(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

std::string UnreadableReason(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) return error.message();
    if (fs::is_directory(status)) return Reason(EISDIR);
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) return Reason(errno != 0 ? errno : EACCES);
    return "";
}

}  // namespace dorvane_host
