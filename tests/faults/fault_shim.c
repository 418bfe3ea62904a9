/* A stand-in for a failing disk, loaded into kalvor with LD_PRELOAD by the
 * fault-injection test. KALVOR_FAULT names the one operation that fails:
 *   read    reads of a file whose path holds KALVOR_FAULT_MATCH stop with EIO
 *           after the first 16 bytes
 *   write   written files sit on a full disk (ENOSPC from the first buffer
 *           that reaches it)
 *   flush   fflush of a written file fails
 *   sync    fsync fails
 *   close   fclose of a written file fails (after closing it)
 *   rename  rename onto a path holding KALVOR_FAULT_MATCH fails
 * The standard streams are never touched. */
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

static int is_std(FILE* f) { return f == stdin || f == stdout || f == stderr; }

/* Streams this shim made fail, so that each is switched over only once. */
#define kMax 256
static FILE* g_reads[kMax];
static FILE* g_broken[kMax];

static int listed(FILE** list, FILE* f) {
  for (int i = 0; i < kMax; ++i) if (list[i] == f) return 1;
  return 0;
}
static void add(FILE** list, FILE* f) {
  for (int i = 0; i < kMax; ++i) if (!list[i]) { list[i] = f; return; }
}
static void drop(FILE* f) {
  for (int i = 0; i < kMax; ++i) {
    if (g_reads[i] == f) g_reads[i] = NULL;
    if (g_broken[i] == f) g_broken[i] = NULL;
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
  if (f && strcmp(fault(), "read") == 0 && mode[0] == 'r' && matches(path)) {
    setvbuf(f, NULL, _IONBF, 0);
    add(g_reads, f);
  }
  return f;
}
FILE* fopen64(const char* path, const char* mode) { return fopen(path, mode); }

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
  if (!is_std(f) && strcmp(fault(), "write") == 0 && !listed(g_broken, f)) {
    add(g_broken, f);
    swap_device(f, "/dev/full", O_WRONLY);
  }
  return real(ptr, size, n, f);
}

int fflush(FILE* f) {
  static int (*real)(FILE*);
  if (!real) real = (int (*)(FILE*))dlsym(RTLD_NEXT, "fflush");
  if (f && !is_std(f) && strcmp(fault(), "flush") == 0) {
    errno = EIO;
    return EOF;
  }
  return real(f);
}

int fsync(int fd) {
  static int (*real)(int);
  if (!real) real = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
  if (strcmp(fault(), "sync") == 0) {
    errno = EIO;
    return -1;
  }
  return real(fd);
}

int fclose(FILE* f) {
  static int (*real)(FILE*);
  if (!real) real = (int (*)(FILE*))dlsym(RTLD_NEXT, "fclose");
  int fails = !is_std(f) && strcmp(fault(), "close") == 0 && !listed(g_reads, f);
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
  if (strcmp(fault(), "rename") == 0 && matches(to)) {
    errno = EIO;
    return -1;
  }
  return real(from, to);
}
