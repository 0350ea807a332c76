// Notes the paths the test process opens through open, openat and fopen (and their 64-bit and checked forms).
#include <QStringList>
#include <cstdarg>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <optional>

static std::mutex guard;                 // over the calls of every thread
static std::optional<QStringList> paths; // while recording

static void *noted(const char *path, const char *name) // the C library's function of that name, the path noted
{
    const std::lock_guard lock(guard);
    if (paths && path)
        *paths << QString::fromUtf8(path);
    return dlsym(RTLD_NEXT, name);
}

namespace zarnith::test { // declared where the test uses them
void startRecordingOpenedFiles()
{
    const std::lock_guard lock(guard);
    paths.emplace();
}

QStringList stopRecordingOpenedFiles()
{
    const std::lock_guard lock(guard);
    return std::exchange(paths, {}).value_or(QStringList());
}
} // namespace zarnith::test

// A mode follows the flags only when the call may create a file; openat takes its folder first.
#define OPEN_LIKE(name, ...)                                                                                           \
    extern "C" int name(__VA_OPT__(int __VA_ARGS__, ) const char *path, int flags, ...)                                \
    {                                                                                                                  \
        va_list args;                                                                                                  \
        va_start(args, flags);                                                                                         \
        const int mode = flags & O_CREAT || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, int) : 0;                  \
        va_end(args);                                                                                                  \
        return reinterpret_cast<decltype(&name)>(noted(path, #name))(__VA_OPT__(__VA_ARGS__, ) path, flags, mode);     \
    }
#define PASS_ON(name, type, last)                                                                                      \
    extern "C" type name(const char *path, last second)                                                                \
    {                                                                                                                  \
        return reinterpret_cast<decltype(&name)>(noted(path, #name))(path, second);                                    \
    }
#define AND_64(wrap, name, ...) wrap(name __VA_OPT__(, ) __VA_ARGS__) wrap(name##64 __VA_OPT__(, ) __VA_ARGS__)
AND_64(OPEN_LIKE, open)
AND_64(OPEN_LIKE, openat, dir)
PASS_ON(__open_2, int, int)
PASS_ON(__open64_2, int, int)
AND_64(PASS_ON, fopen, FILE *, const char *)
