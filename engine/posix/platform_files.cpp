// Files on POSIX systems, whose names are bytes and UTF-8 by convention. The
// durable replace: mkstemp beside the target, write, fsync, rename over the
// target, fsync the folder.
#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string>

#include "engine/file_writes.h"
#include "engine/platform_files.h"

namespace {

bool WriteBlock(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= size_t(written);
    }
    return true;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    return platform::WriteInBlocks(
        bytes, [fd](const uint8_t* data, size_t size) { return WriteBlock(fd, data, size); });
}

bool Sync(int fd) { return !platform::InjectedFileFaults().failSync && fsync(fd) == 0; }

bool RenameOver(const std::string& from, const char* to) {
    return !platform::InjectedFileFaults().failRename && std::rename(from.c_str(), to) == 0;
}

bool MayBeWritten(const struct stat& status, const char* path) {
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0) return access(path, W_OK) == 0;
    errno = EACCES;
    return false;
}

// The new file gets the old one's permissions, or those a newly created file
// would have had.
mode_t ModeForNewFile(bool replacing, const struct stat& old) {
    if (replacing) return old.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself durable. Some file systems cannot sync a folder; the
// file is in place by now, so that is not a failure.
void SyncFolderOf(const char* path) {
    std::string folder(path);
    const size_t slash = folder.rfind('/');
    folder = slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

namespace platform {

bool ReplaceFileDurably(const char* path, std::span<const uint8_t> bytes) {
    if (path == nullptr || *path == '\0') {
        errno = ENOENT;
        return false;
    }
    struct stat old {};
    const bool replacing = stat(path, &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) {
        errno = S_ISDIR(old.st_mode) ? EISDIR : EPERM;
        return false;
    }
    if (replacing && !MayBeWritten(old, path)) return false;

    std::string temporary = std::string(path) + std::string(TemporaryMarker) + std::string(TemporaryUniqueLength, 'X');
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    bool done = fchmod(fd, ModeForNewFile(replacing, old)) == 0 && WriteAll(fd, bytes) && Sync(fd);
    done = close(fd) == 0 && done;
    done = done && RenameOver(temporary, path);
    if (!done) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolderOf(path);
    RemoveStaleTemporaries(path, "/");
    return true;
}

bool ChangeWorkingFolder(const char* path) { return path != nullptr && *path != '\0' && chdir(path) == 0; }

std::FILE* OpenFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

PathKind KindOfPath(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Other;
    if (S_ISREG(status.st_mode)) return PathKind::File;
    return S_ISDIR(status.st_mode) ? PathKind::Folder : PathKind::Other;
}

bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) return false;
    const std::string prefix = folder.ends_with('/') ? folder : folder + "/";
    const time_t now = std::time(nullptr);
    while (const dirent* found = readdir(listing)) {
        const std::string name = found->d_name;
        if (name == "." || name == "..") continue;
        FolderEntry entry{name};
        struct stat status {};
        if (lstat((prefix + name).c_str(), &status) == 0) {
            entry.isFile = S_ISREG(status.st_mode);
            entry.secondsSinceWrite = int64_t(now) - int64_t(status.st_mtime);
        }
        entries.push_back(std::move(entry));
    }
    closedir(listing);
    return true;
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

}  // namespace platform

#endif  // _WIN32
