#pragma once

// The files the test process opens, as the C library sees them asked:
// open, openat and fopen (and their 64-bit and checked forms) are taken
// over in the test executable, note the path while a record runs, and pass
// the call on.

#include <QStringList>

namespace zarnith::test {

void startRecordingOpenedFiles();
// Every path opened since the start, in order.
QStringList stopRecordingOpenedFiles();

} // namespace zarnith::test
