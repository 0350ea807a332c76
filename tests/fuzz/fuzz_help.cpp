// libFuzzer over the help-file reader: a help file opened as the viewer opens it, its contents and pages read. Nothing
// crashes, hangs or leaks past the sanitizers; what is read keeps within the bounds on entries, depth and page size.
#include "helpfile.h"
#include <sys/mman.h>
#include <unistd.h>

using namespace zarnith;

#define CHECK(holds, property) ((holds) ? void() : qFatal("property failed: %s", property)) // libFuzzer shows the input

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const int fd = memfd_create("Zarnith.chm", MFD_CLOEXEC); // each input in its place
    CHECK(fd >= 0 && ftruncate(fd, 0) == 0 && pwrite(fd, data, size, 0) == ssize_t(size), "the input written");
    HelpFile file;
    if (!file.open(QStringLiteral("/proc/self/fd/%1").arg(fd)))
        return 0;
    CHECK(file.contents().size() <= HelpBounds::kMostContentsEntries, "entries within the bound");
    for (const ContentsEntry &entry : file.contents()) {
        CHECK(entry.depth >= 0 && entry.depth < HelpBounds::kDeepestContents, "depth within the bound");
        file.startReading();
        CHECK(file.read(entry.local.section(u'#', 0, 0), HelpBounds::kLargestPage).size() <= HelpBounds::kLargestPage,
              "a page within the bound");
    }
    file.startReading();
    CHECK(!file.read(file.defaultTopic(), HelpBounds::kLargestPage).isEmpty(), "an opened file shows its first page");
    return 0;
}
