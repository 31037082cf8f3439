// KeptUntilExit: holds the latest of the large objects a run builds (the compiler, the
// compilation) without ever freeing it at exit. A compilation runs once and the process exits
// right after, and freeing hundreds of thousands of blocks one by one takes longer than the
// exit itself. A process that runs again, such as a test or a fuzzer, frees the previous
// object when it makes the next one.
#ifndef FOUNDATION_KEPTUNTILEXIT_HH
#define FOUNDATION_KEPTUNTILEXIT_HH

#include <utility>

template <typename T> class KeptUntilExit {
public:
  // Frees the object made last, if any, and makes a new one from args.
  template <typename... Args> T &make(Args &&...args) {
    T *previous = latest;
    latest = nullptr;
    delete previous;
    latest = new T(std::forward<Args>(args)...);
    return *latest;
  }

private:
  T *latest = nullptr;
};

#endif
