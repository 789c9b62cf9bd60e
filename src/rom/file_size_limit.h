#pragma once
// A write that would take a file past the process's file-size limit (RLIMIT_FSIZE, as `ulimit -f`
// or a sandbox sets it) sends SIGXFSZ, which by default ends the program at once: part way through
// a save, with nothing put back and nothing said. With the signal ignored the write fails with
// EFBIG instead, and the save takes its failed-write path (the image put back, a message).

namespace quarven {

// Called once at start, before anything writes.
void ignoreFileSizeSignal();

}  // namespace quarven
