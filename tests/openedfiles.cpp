#include "openedfiles.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include <cstdarg>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>

namespace {

std::atomic<bool> recording = false;
std::mutex guard;
std::vector<std::string> paths;

// Notes the path, and gives the C library's function of that name.
template <class F>
F noted(const char *path, const char *name)
{
    if (recording && path) {
        const std::lock_guard<std::mutex> lock(guard);
        paths.emplace_back(path);
    }
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// A mode follows the flags only when the call may create a file.
#define MODE(flags)                                                                                                    \
    va_list args;                                                                                                      \
    va_start(args, flags);                                                                                             \
    const int mode = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, int) : 0;                    \
    va_end(args)

} // namespace

namespace zarnith::test {

void startRecordingOpenedFiles()
{
    const std::lock_guard<std::mutex> lock(guard);
    paths.clear();
    recording = true;
}

QStringList stopRecordingOpenedFiles()
{
    recording = false;
    const std::lock_guard<std::mutex> lock(guard);
    QStringList opened;
    for (const std::string &path : paths)
        opened << QString::fromStdString(path);
    return opened;
}

} // namespace zarnith::test

#define OPEN_LIKE(name)                                                                                                \
    extern "C" int name(const char *path, int flags, ...)                                                              \
    {                                                                                                                  \
        MODE(flags);                                                                                                   \
        return noted<int (*)(const char *, int, ...)>(path, #name)(path, flags, mode);                                 \
    }
#define OPENAT_LIKE(name)                                                                                              \
    extern "C" int name(int dir, const char *path, int flags, ...)                                                     \
    {                                                                                                                  \
        MODE(flags);                                                                                                   \
        return noted<int (*)(int, const char *, int, ...)>(path, #name)(dir, path, flags, mode);                       \
    }
#define CHECKED_OPEN_LIKE(name)                                                                                        \
    extern "C" int name(const char *path, int flags)                                                                   \
    {                                                                                                                  \
        return noted<int (*)(const char *, int)>(path, #name)(path, flags);                                            \
    }
#define FOPEN_LIKE(name)                                                                                               \
    extern "C" FILE *name(const char *path, const char *mode)                                                          \
    {                                                                                                                  \
        return noted<FILE *(*)(const char *, const char *)>(path, #name)(path, mode);                                  \
    }

OPEN_LIKE(open)
OPEN_LIKE(open64)
OPENAT_LIKE(openat)
OPENAT_LIKE(openat64)
CHECKED_OPEN_LIKE(__open_2)
CHECKED_OPEN_LIKE(__open64_2)
FOPEN_LIKE(fopen)
FOPEN_LIKE(fopen64)
