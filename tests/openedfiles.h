#pragma once

#include <QStringList>

// Notes the paths the test process opens through open, openat and fopen (and their 64-bit and checked forms).
namespace zarnith::test {
void startRecordingOpenedFiles();
QStringList stopRecordingOpenedFiles(); // every path opened since the start, in order
} // namespace zarnith::test
