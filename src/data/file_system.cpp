#include "data/file_system.h"
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace folio {

namespace {
FileSystem real;
FileSystem* current = &real;
} // namespace

int FileSystem::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

int FileSystem::close(int fd) {
    return ::close(fd);
}

ssize_t FileSystem::pread(int fd, void* buffer, size_t size, off_t offset) {
    return ::pread(fd, buffer, size, offset);
}

ssize_t FileSystem::pwrite(int fd, const void* buffer, size_t size, off_t offset) {
    return ::pwrite(fd, buffer, size, offset);
}

int FileSystem::fsync(int fd) {
    return ::fsync(fd);
}

int FileSystem::fdatasync(int fd) {
    return ::fdatasync(fd);
}

int FileSystem::ftruncate(int fd, off_t length) {
    return ::ftruncate(fd, length);
}

int FileSystem::rename(const char* from, const char* to) {
    return std::rename(from, to);
}

int FileSystem::unlink(const char* path) {
    return ::unlink(path);
}

FileSystem& fileSystem() {
    return *current;
}

void setFileSystem(FileSystem* replacement) {
    current = replacement != nullptr ? replacement : &real;
}

} // namespace folio
