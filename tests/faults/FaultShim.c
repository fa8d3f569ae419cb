/* LD_PRELOAD shim that makes one file-system call of a settings write fail.
 *
 * Only calls on paths inside VELUNDO_FAULT_DIR, and on descriptors opened there, are seen. The
 * VELUNDO_FAULT_NTH-th call (counted from 1) of the kind VELUNDO_FAULT_CALL (open, write, fsync,
 * rename, truncate, close, link) fails with errno VELUNDO_FAULT_ERRNO; a failing close still closes
 * the descriptor, as Linux does. VELUNDO_FAULT_READONLY_DIR=1 makes the folder refuse new files with
 * EACCES, as a read-only folder does for anyone but root. VELUNDO_FAULT_SHORT=1 makes every write
 * there take only half of its bytes, so that a failing write comes after some bytes have landed.
 * VELUNDO_FAULT_NO_TMPFILE=1 makes the folder's file system lack unnamed temporary files
 * (EOPNOTSUPP), as NFS, CIFS and vfat do.
 * VELUNDO_FAULT_COUNT names a file that gets
 * the count of each kind of call at exit, so that a runner knows how many there are to fail. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

enum Kind { kOpen, kWrite, kFsync, kRename, kTruncate, kClose, kLink, kKinds };
static const char* const kNames[kKinds] = {"open", "write", "fsync", "rename", "truncate", "close", "link"};
static long counts[kKinds];
static unsigned char watched[65536]; /* descriptors opened inside the folder */

static const char* Folder(void) {
    return getenv("VELUNDO_FAULT_DIR");
}

static int Inside(const char* path) {
    const char* dir = Folder();
    if (!dir || !path) return 0;
    const size_t n = strlen(dir);
    return strncmp(path, dir, n) == 0 && (path[n] == '/' || path[n] == '\0');
}

static int Watched(int fd) {
    return fd >= 0 && fd < (int)sizeof watched && watched[fd];
}

/* Counts the call; answers whether it is the one to fail, with errno set. */
static int Fails(enum Kind kind) {
    ++counts[kind];
    const char* call = getenv("VELUNDO_FAULT_CALL");
    const char* nth = getenv("VELUNDO_FAULT_NTH");
    if (!call || !nth || strcmp(call, kNames[kind]) != 0 || counts[kind] != atol(nth)) return 0;
    const char* code = getenv("VELUNDO_FAULT_ERRNO");
    errno = code ? atoi(code) : EIO;
    return 1;
}

__attribute__((destructor)) static void WriteCounts(void) {
    const char* out = getenv("VELUNDO_FAULT_COUNT");
    if (!out) return;
    FILE* f = fopen(out, "w");
    if (!f) return;
    for (int k = 0; k < kKinds; ++k)
        fprintf(f, "%s %ld\n", kNames[k], counts[k]);
    fclose(f);
}

#define REAL(name, ret, ...)                                                                                 \
    static ret (*real_##name)(__VA_ARGS__);                                                                  \
    if (!real_##name) real_##name = (ret(*)(__VA_ARGS__))dlsym(RTLD_NEXT, #name)

static int RefusedCreate(const char* path, int flags) {
    const char* ro = getenv("VELUNDO_FAULT_READONLY_DIR");
    if (!ro || strcmp(ro, "1") != 0) return 0;
    struct stat st;
    if ((flags & O_TMPFILE) == O_TMPFILE) return 1;
    return (flags & O_CREAT) && stat(path, &st) != 0;
}

static int OpenCommon(int dirfd, const char* path, int flags, mode_t mode, int at) {
    REAL(open, int, const char*, int, ...);
    REAL(openat, int, int, const char*, int, ...);
    const int inside = path && path[0] == '/' && Inside(path);
    if (inside) {
        if (Fails(kOpen)) return -1;
        if (RefusedCreate(path, flags)) {
            errno = EACCES;
            return -1;
        }
        const char* noTmpfile = getenv("VELUNDO_FAULT_NO_TMPFILE");
        if (noTmpfile && strcmp(noTmpfile, "1") == 0 && (flags & O_TMPFILE) == O_TMPFILE) {
            errno = EOPNOTSUPP;
            return -1;
        }
    }
    const int fd = at ? real_openat(dirfd, path, flags, mode) : real_open(path, flags, mode);
    if (fd >= 0 && fd < (int)sizeof watched) watched[fd] = (unsigned char)inside;
    return fd;
}

static mode_t ModeOf(int flags, va_list ap) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? (mode_t)va_arg(ap, int) : 0;
}

int open(const char* path, int flags, ...) {
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = ModeOf(flags, ap);
    va_end(ap);
    return OpenCommon(AT_FDCWD, path, flags, mode, 0);
}
int open64(const char* path, int flags, ...) {
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = ModeOf(flags, ap);
    va_end(ap);
    return OpenCommon(AT_FDCWD, path, flags, mode, 0);
}
int openat(int dirfd, const char* path, int flags, ...) {
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = ModeOf(flags, ap);
    va_end(ap);
    return OpenCommon(dirfd, path, flags, mode, 1);
}

static size_t Shortened(size_t n) {
    const char* s = getenv("VELUNDO_FAULT_SHORT");
    return s && strcmp(s, "1") == 0 && n > 1 ? (n + 1) / 2 : n;
}

ssize_t write(int fd, const void* buf, size_t n) {
    REAL(write, ssize_t, int, const void*, size_t);
    if (!Watched(fd)) return real_write(fd, buf, n);
    if (Fails(kWrite)) return -1;
    return real_write(fd, buf, Shortened(n));
}
ssize_t pwrite(int fd, const void* buf, size_t n, off_t at) {
    REAL(pwrite, ssize_t, int, const void*, size_t, off_t);
    if (!Watched(fd)) return real_pwrite(fd, buf, n, at);
    if (Fails(kWrite)) return -1;
    return real_pwrite(fd, buf, Shortened(n), at);
}
ssize_t pwrite64(int fd, const void* buf, size_t n, off_t at) {
    return pwrite(fd, buf, n, at);
}

int fsync(int fd) {
    REAL(fsync, int, int);
    if (Watched(fd) && Fails(kFsync)) return -1;
    return real_fsync(fd);
}
int fdatasync(int fd) {
    REAL(fdatasync, int, int);
    if (Watched(fd) && Fails(kFsync)) return -1;
    return real_fdatasync(fd);
}

int ftruncate(int fd, off_t size) {
    REAL(ftruncate, int, int, off_t);
    if (Watched(fd) && Fails(kTruncate)) return -1;
    return real_ftruncate(fd, size);
}
int ftruncate64(int fd, off_t size) {
    return ftruncate(fd, size);
}

int close(int fd) {
    REAL(close, int, int);
    const int watchedFd = Watched(fd);
    if (watchedFd) watched[fd] = 0;
    const int result = real_close(fd);
    if (watchedFd && Fails(kClose)) return -1;
    return result;
}

int rename(const char* from, const char* to) {
    REAL(rename, int, const char*, const char*);
    if ((Inside(from) || Inside(to)) && Fails(kRename)) return -1;
    return real_rename(from, to);
}
int renameat(int fromdir, const char* from, int todir, const char* to) {
    REAL(renameat, int, int, const char*, int, const char*);
    if ((Inside(from) || Inside(to)) && Fails(kRename)) return -1;
    return real_renameat(fromdir, from, todir, to);
}

int linkat(int fromdir, const char* from, int todir, const char* to, int flags) {
    REAL(linkat, int, int, const char*, int, const char*, int);
    if (Inside(to) && Fails(kLink)) return -1;
    if (Inside(to) && RefusedCreate(to, O_CREAT)) {
        errno = EACCES;
        return -1;
    }
    return real_linkat(fromdir, from, todir, to, flags);
}
