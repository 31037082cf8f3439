// OutputFile: a generated file, written under a temporary name in the folder of its final name
// and renamed over that name once complete. The final name thus never holds a partial file,
// whatever ends the run (SIGKILL included), is never opened (an existing symlink or FIFO there is
// replaced, not written through) and keeps what an earlier run wrote until the new file is whole.
// The null device is written directly.
#ifndef FOUNDATION_OUTPUTFILE_HH
#define FOUNDATION_OUTPUTFILE_HH

#include <signal.h>

#include <cstdio>
#include <initializer_list>

#include "foundation/Dstr.hh"

class OutputFile {
public:
  OutputFile();
  ~OutputFile();
  OutputFile(const OutputFile &) = delete;
  OutputFile &operator=(const OutputFile &) = delete;

  // Names the file to write; nothing is created yet.
  void set_path(const Dstr &path);
  const Dstr &path() const { return finalPath; }
  // Creates the temporary file, private to the user until it is renamed, when it gets the mode
  // a new file gets (0666 less the umask); returns its stream. A failure is fatal ("can't open P
  // for writing", after the system's reason).
  FILE *create();
  // Flushes and closes the stream; a write error is fatal ("can't write P").
  void close();
  // Renames the closed temporary files over their final names, with the fatal signals held so
  // that no signal comes between two renames; a failure is fatal.
  static void commit(std::initializer_list<OutputFile *> files);
  // Closes the stream and removes the temporary file, if there are any.
  void discard();
  // Removes the temporary file if there is one; safe in a signal handler.
  void remove_temporary() const;

  // Stops the run with the fatal error "output file P would overwrite the WHAT" when input is
  // the final name of an output, or another name of that file (a symlink, a hard link).
  static void check_not_an_output(const Dstr &input, const char *what);

private:
  bool is_null_device() const;
  // Renames the temporary file; false, with errno set, on failure.
  bool rename_over_final_name();

  Dstr finalPath;
  // The temporary file's name; valid while temporaryMade is set. A buffer of its own, so that a
  // signal handler can read it while the Dstrs change.
  char *temporaryPath = nullptr;
  volatile sig_atomic_t temporaryMade = 0;
  FILE *stream = nullptr;
};

#endif
