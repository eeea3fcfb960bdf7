// slowdisk.so, preloaded into Wine's processes: a slow disk for the files
// under one folder ($KORDEX_SLOW_FOLDER, a Linux path), in one of two ways
// ($KORDEX_SLOW_DISK):
// - flushes: the disk is cached, as Windows caches a USB stick, an SD card
//   or a share. Each write returns at once, and a flush (fsync, fdatasync:
//   what FlushFileBuffers does under Wine) sleeps for the bytes written to
//   that file since its last flush, plus a fixed part of its own
//   ($KORDEX_SLOW_FLUSH_MS, default none): a flash medium formatted FAT
//   rewrites its allocation tables and empties its cache at each flush,
//   however few bytes went.
// - writes: the disk is not cached. Each write sleeps for its own bytes.
// The bytes go at $KORDEX_SLOW_RATE bytes a second (default 1 MB/s), and
// their cost follows them, as a real disk's does: one flush or write of a
// whole file takes as long as those of its pieces together.
//
// With $KORDEX_SLOW_ACCOUNT (a Linux path) each flush and each slowed write
// adds a line "BYTES MILLISECONDS" to that file: what the disk took, which a
// test can add up whatever else the machine is doing.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <limits.h>
#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <time.h>
#include <unistd.h>

#define MOST_FDS 65536

// Bytes written to each descriptor's file since its last flush.
static _Atomic long long unflushed[MOST_FDS];

static int slow(const char* what) {
    const char* mode = getenv("KORDEX_SLOW_DISK");
    return mode && strcmp(mode, what) == 0;
}

static long long setting(const char* name, long long otherwise) {
    const char* value = getenv(name);
    return value && *value ? atoll(value) : otherwise;
}

static void account(long long bytes, long long ns) {
    const char* path = getenv("KORDEX_SLOW_ACCOUNT");
    if (!path || !*path) return;
    FILE* file = fopen(path, "a");
    if (!file) return;
    fprintf(file, "%lld %lld.%03lld\n", bytes, ns / 1000000LL, ns / 1000LL % 1000LL);
    fclose(file);
}

static void take(long long bytes, long long fixedMs) {
    const long long ns = fixedMs * 1000000LL + bytes * 1000000000LL / setting("KORDEX_SLOW_RATE", 1000000LL);
    account(bytes, ns);
    struct timespec left = {ns / 1000000000LL, ns % 1000000000LL};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

static int in_folder(int fd) {
    const char* folder = getenv("KORDEX_SLOW_FOLDER");
    if (!folder || fd < 0 || fd >= MOST_FDS) return 0;
    char link[64], path[PATH_MAX];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length <= 0) return 0;
    path[length] = '\0';
    const size_t prefix = strlen(folder);
    return strncmp(path, folder, prefix) == 0 && path[prefix] == '/';
}

static void count(int fd, ssize_t written) {
    if (written <= 0 || !in_folder(fd)) return;
    if (slow("writes")) take(written, 0);
    if (slow("flushes")) unflushed[fd] += written;
}

static void flush(int fd) {
    if (!slow("flushes") || !in_folder(fd)) return;
    take(atomic_exchange(&unflushed[fd], 0), setting("KORDEX_SLOW_FLUSH_MS", 0));
}

#define REAL(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

ssize_t write(int fd, const void* data, size_t size) {
    const ssize_t written = REAL(write)(fd, data, size);
    count(fd, written);
    return written;
}

ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) {
    const ssize_t written = REAL(pwrite)(fd, data, size, offset);
    count(fd, written);
    return written;
}

ssize_t pwrite64(int fd, const void* data, size_t size, off64_t offset) {
    const ssize_t written = REAL(pwrite64)(fd, data, size, offset);
    count(fd, written);
    return written;
}

ssize_t writev(int fd, const struct iovec* pieces, int number) {
    const ssize_t written = REAL(writev)(fd, pieces, number);
    count(fd, written);
    return written;
}

int fsync(int fd) {
    flush(fd);
    return REAL(fsync)(fd);
}

int fdatasync(int fd) {
    flush(fd);
    return REAL(fdatasync)(fd);
}

// What was never flushed costs nothing here: the system writes it later.
int close(int fd) {
    if (fd >= 0 && fd < MOST_FDS) unflushed[fd] = 0;
    return REAL(close)(fd);
}
