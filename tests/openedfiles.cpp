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

void note(const char *path)
{
    if (!recording || !path)
        return;
    const std::lock_guard<std::mutex> lock(guard);
    paths.emplace_back(path);
}

// The C library's function of that name.
template <class F>
F next(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// A mode follows the flags only when the call may create a file.
mode_t modeOf(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
}

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

#define OPEN_LIKE(name)                                                                     \
    extern "C" int name(const char *path, int flags, ...)                                   \
    {                                                                                       \
        va_list args;                                                                       \
        va_start(args, flags);                                                              \
        const mode_t mode = modeOf(flags, args);                                            \
        va_end(args);                                                                       \
        note(path);                                                                         \
        static const auto real = next<int (*)(const char *, int, ...)>(#name);              \
        return real(path, flags, mode);                                                     \
    }
#define OPENAT_LIKE(name)                                                                   \
    extern "C" int name(int dir, const char *path, int flags, ...)                          \
    {                                                                                       \
        va_list args;                                                                       \
        va_start(args, flags);                                                              \
        const mode_t mode = modeOf(flags, args);                                            \
        va_end(args);                                                                       \
        note(path);                                                                         \
        static const auto real = next<int (*)(int, const char *, int, ...)>(#name);         \
        return real(dir, path, flags, mode);                                                \
    }
#define CHECKED_OPEN_LIKE(name)                                                             \
    extern "C" int name(const char *path, int flags)                                        \
    {                                                                                       \
        note(path);                                                                         \
        static const auto real = next<int (*)(const char *, int)>(#name);                   \
        return real(path, flags);                                                           \
    }
#define FOPEN_LIKE(name)                                                                    \
    extern "C" FILE *name(const char *path, const char *mode)                               \
    {                                                                                       \
        note(path);                                                                         \
        static const auto real = next<FILE *(*)(const char *, const char *)>(#name);        \
        return real(path, mode);                                                            \
    }

OPEN_LIKE(open)
OPEN_LIKE(open64)
OPENAT_LIKE(openat)
OPENAT_LIKE(openat64)
CHECKED_OPEN_LIKE(__open_2)
CHECKED_OPEN_LIKE(__open64_2)
FOPEN_LIKE(fopen)
FOPEN_LIKE(fopen64)
