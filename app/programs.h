// SPDX-License-Identifier: MIT
//
// Starting other programs and looking for files, behind small interfaces so
// that callers can be tested without starting anything:
//
//   Launcher / SystemLauncher    starts a program by its path
//   FileProbe / SystemFileProbe  tells whether a plain, visible file exists
//
// The system classes live in programs_posix.cpp and programs_win.cpp.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts the program at `path` and returns without waiting for it. Throws
  // CalcError (LaunchFailure) when it cannot be started.
  virtual void Launch(std::string_view path) = 0;
};

class FileProbe {
 public:
  virtual ~FileProbe() = default;
  // The bare file name when a plain file exists at `path` that is neither a
  // folder nor hidden nor a system file; otherwise the empty text.
  virtual std::string ProbeFile(std::string_view path) = 0;
};

// Starts the program named by the path itself, in a normal window: never
// through a shell, never split at blanks, never searched for on PATH. Only
// on Windows; elsewhere every launch fails.
class SystemLauncher final : public Launcher {
 public:
  void Launch(std::string_view path) override;
};

// Probes the real file system. On POSIX a name beginning with "." is hidden.
class SystemFileProbe final : public FileProbe {
 public:
  std::string ProbeFile(std::string_view path) override;
};

}  // namespace quorvel
