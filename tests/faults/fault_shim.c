/* A stand-in for a failing disk, loaded into kalvor with LD_PRELOAD by the
 * fault-injection test. KALVOR_FAULT names the one operation that fails, on
 * files whose path holds KALVOR_FAULT_MATCH (every file when it is empty):
 *   read    reads of the file stop with EIO after the first 16 bytes
 *   write   the file sits on a full disk (ENOSPC from the first buffer that
 *           reaches it)
 *   flush   fflush of the file fails
 *   sync    fsync fails (a directory's path matches too)
 *   close   fclose of the file fails (after closing it)
 *   rename  rename onto the path fails
 * With KALVOR_FAULT_NTH=N only the Nth such operation fails (a read or a
 * write counts once per opened file); the others succeed. When the fault
 * strikes, the file named by KALVOR_FAULT_HIT (if any) is created, so that
 * a test knows there was an Nth one. The standard streams are never
 * touched. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static const char* fault(void) {
  const char* f = getenv("KALVOR_FAULT");
  return f ? f : "";
}

static int matches(const char* path) {
  const char* m = getenv("KALVOR_FAULT_MATCH");
  return path && (!m || !*m || strstr(path, m) != NULL);
}

static int fd_matches(int fd) {
  char link[64], path[4096];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  ssize_t n = readlink(link, path, sizeof path - 1);
  if (n <= 0) return 0;
  path[n] = '\0';
  return matches(path);
}

/* Whether this operation on a matching file is the one that fails. */
static int strikes(const char* op) {
  static int count;
  if (strcmp(fault(), op) != 0) return 0;
  const char* nth = getenv("KALVOR_FAULT_NTH");
  int n = nth && *nth ? atoi(nth) : 0;
  if (n > 0 && ++count != n) return 0;
  const char* hit = getenv("KALVOR_FAULT_HIT");
  if (hit && *hit) {
    int fd = open(hit, O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) close(fd);
  }
  return 1;
}

static int is_std(FILE* f) { return f == stdin || f == stdout || f == stderr; }

/* Streams this shim made fail, and written streams already counted. */
#define kMax 256
static FILE* g_reads[kMax];
static FILE* g_broken[kMax];
static FILE* g_seen[kMax];
/* Descriptors of failing reads and how far each got (read(2) callers). */
static int g_read_fds[kMax];
static int g_read_got[kMax];

static int listed(FILE** list, FILE* f) {
  for (int i = 0; i < kMax; ++i) if (list[i] == f) return 1;
  return 0;
}
static void add(FILE** list, FILE* f) {
  for (int i = 0; i < kMax; ++i) if (!list[i]) { list[i] = f; return; }
}
static void drop(FILE* f) {
  int fd = fileno(f);
  for (int i = 0; i < kMax; ++i) {
    if (g_reads[i] == f) g_reads[i] = NULL;
    if (g_broken[i] == f) g_broken[i] = NULL;
    if (g_seen[i] == f) g_seen[i] = NULL;
    if (g_read_fds[i] == fd + 1) g_read_fds[i] = 0;
  }
}

/* Puts `device` under the stream's descriptor: from now on the kernel
 * answers its reads or writes with a real error. */
static void swap_device(FILE* f, const char* device, int flags) {
  int fd = open(device, flags);
  if (fd >= 0) {
    dup2(fd, fileno(f));
    close(fd);
  }
}

FILE* fopen(const char* path, const char* mode) {
  static FILE* (*real)(const char*, const char*);
  if (!real) real = (FILE * (*)(const char*, const char*)) dlsym(RTLD_NEXT, "fopen");
  FILE* f = real(path, mode);
  if (f && mode[0] == 'r' && matches(path) && strikes("read")) {
    setvbuf(f, NULL, _IONBF, 0);
    add(g_reads, f);
    for (int i = 0; i < kMax; ++i) {
      if (!g_read_fds[i]) {
        g_read_fds[i] = fileno(f) + 1;
        g_read_got[i] = 0;
        break;
      }
    }
  }
  return f;
}
FILE* fopen64(const char* path, const char* mode) { return fopen(path, mode); }

/* Streams of the C++ library read through read(2). */
ssize_t read(int fd, void* buf, size_t n) {
  static ssize_t (*real)(int, void*, size_t);
  if (!real) real = (ssize_t(*)(int, void*, size_t))dlsym(RTLD_NEXT, "read");
  for (int i = 0; i < kMax; ++i) {
    if (g_read_fds[i] != fd + 1) continue;
    if (g_read_got[i] >= 16) {
      errno = EIO;
      return -1;
    }
    ssize_t got = real(fd, buf, n < 16 ? n : 16);
    if (got > 0) g_read_got[i] += (int)got;
    if (got == 0) g_read_got[i] = 16;
    return got;
  }
  return real(fd, buf, n);
}

size_t fread(void* ptr, size_t size, size_t n, FILE* f) {
  static size_t (*real)(void*, size_t, size_t, FILE*);
  if (!real) real = (size_t(*)(void*, size_t, size_t, FILE*))dlsym(RTLD_NEXT, "fread");
  if (size != 1 || !listed(g_reads, f) || listed(g_broken, f)) return real(ptr, size, n, f);
  size_t got = real(ptr, 1, n < 16 ? n : 16, f);
  add(g_broken, f);
  swap_device(f, "/dev/null", O_WRONLY); /* reads now fail with EBADF */
  if (got < n) got += real((char*)ptr + got, 1, n - got, f);
  return got;
}

size_t fwrite(const void* ptr, size_t size, size_t n, FILE* f) {
  static size_t (*real)(const void*, size_t, size_t, FILE*);
  if (!real) real = (size_t(*)(const void*, size_t, size_t, FILE*))dlsym(RTLD_NEXT, "fwrite");
  if (!is_std(f) && !listed(g_seen, f) && strcmp(fault(), "write") == 0) {
    add(g_seen, f);
    if (fd_matches(fileno(f)) && strikes("write")) {
      add(g_broken, f);
      swap_device(f, "/dev/full", O_WRONLY);
    }
  }
  return real(ptr, size, n, f);
}

int fflush(FILE* f) {
  static int (*real)(FILE*);
  if (!real) real = (int (*)(FILE*))dlsym(RTLD_NEXT, "fflush");
  if (f && !is_std(f) && strcmp(fault(), "flush") == 0 && fd_matches(fileno(f)) &&
      strikes("flush")) {
    errno = EIO;
    return EOF;
  }
  return real(f);
}

int fsync(int fd) {
  static int (*real)(int);
  if (!real) real = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
  if (strcmp(fault(), "sync") == 0 && fd_matches(fd) && strikes("sync")) {
    errno = EIO;
    return -1;
  }
  return real(fd);
}

int fclose(FILE* f) {
  static int (*real)(FILE*);
  if (!real) real = (int (*)(FILE*))dlsym(RTLD_NEXT, "fclose");
  int fails = !is_std(f) && strcmp(fault(), "close") == 0 && !listed(g_reads, f) &&
              fd_matches(fileno(f)) && strikes("close");
  drop(f);
  int result = real(f);
  if (fails) {
    errno = EIO;
    return EOF;
  }
  return result;
}

int rename(const char* from, const char* to) {
  static int (*real)(const char*, const char*);
  if (!real) real = (int (*)(const char*, const char*))dlsym(RTLD_NEXT, "rename");
  if (strcmp(fault(), "rename") == 0 && matches(to) && strikes("rename")) {
    errno = EIO;
    return -1;
  }
  return real(from, to);
}
