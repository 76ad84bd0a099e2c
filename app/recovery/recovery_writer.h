#pragma once
// Writes the recovery file on a thread of its own, so that no keystroke
// waits for the disk: the snapshot is taken on the user-interface thread
// and handed over; encoding it, the checked replacement of the file (write,
// flush, rename, folder flush) and a removal run here, one after the other.
// A snapshot handed over while an earlier one is still being written
// replaces any that has not begun.
#include <QString>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "app/recovery/recovery_snapshot.h"

namespace kopira::recovery {

class Writer {
 public:
  explicit Writer(QString path);
  // Finishes what was handed over, then ends the thread.
  ~Writer();
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  void write(Snapshot snapshot);
  // Removes the file once what is being written now is done.
  void remove();
  // Returns when everything handed over is done.
  void wait();

 private:
  // The next job: a snapshot to write, or nothing for the removal.
  using Job = std::optional<Snapshot>;
  void post(Job job);
  void run();
  void writeFile(const Snapshot& snapshot);
  void removeFile() const;

  const QString path_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<Job> next_;
  bool busy_ = false;
  bool ending_ = false;
  bool failureTold_ = false;  // only the writer thread uses it
  std::thread thread_;
};

}  // namespace kopira::recovery
