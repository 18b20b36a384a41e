// An output file written whole or not at all: its text goes to a hidden
// file beside it, made when the run starts (so that a folder that is
// missing or not writable is found before anything is pressed), and takes
// the file's name only when everything has been written. A run that stops
// early leaves neither a half-written file nor the hidden one.
#pragma once

#include <fstream>
#include <stdexcept>
#include <string>

namespace dorvane_host {

// Why a file cannot be used, in the operating system's words
// ("No such file or directory", "Is a directory", "Permission denied").
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PendingFile {
public:
    // Throws FileError when the file could not be written: its folder is
    // missing or not writable, or the name is a folder or a read-only file.
    explicit PendingFile(std::string path);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    std::ostream& Stream() { return stream_; }
    const std::string& Path() const { return path_; }
    // Gives the written text the file's name; throws FileError if writing
    // failed (a full disk, say).
    void Commit();

private:
    std::string path_;
    std::string hidden_;
    std::ofstream stream_;
    bool committed_ = false;
};

// Why a file cannot be read, or nothing when it can: "No such file or
// directory", "Is a directory", "Permission denied".
std::string UnreadableReason(const std::string& path);
bool IsDirectory(const std::string& path);

}  // namespace dorvane_host
