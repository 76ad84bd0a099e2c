#pragma once
// What the benchmarks of the program's own windows share: the process and
// the application prepared as at start, and a scratch folder standing for
// a user's.
class QApplication;
class QTemporaryDir;

namespace kopira::bench {

// The whole main: prepares the process, creates and initialises the
// (offscreen) application as start-up does, runs the selected benchmarks.
int runProgramBenchmarks(int argc, char** argv);

// The application runProgramBenchmarks created.
QApplication& application();

// Makes the folder the working directory (history and notes) and the
// program's folder (the settings file).
void useAsProgramFolder(const QTemporaryDir& dir);

}  // namespace kopira::bench
