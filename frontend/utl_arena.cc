// The arena: blocks of a megabyte, each kept in a list so that they stay reachable; a request
// too large for a quarter of a block gets a block of its own. Built with AddressSanitizer,
// every request is a block of its own, so that a read or write past an object is still caught.
#include "frontend/utl_arena.hh"

#include <cassert>
#include <cstdlib>
#include <cstring>
#include <vector>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UTL_ARENA_UNDER_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define UTL_ARENA_UNDER_ADDRESS_SANITIZER 1
#endif

namespace {

const std::size_t blockSize = 1 << 20;
const std::size_t alignment = alignof(std::max_align_t);
#ifdef UTL_ARENA_UNDER_ADDRESS_SANITIZER
const bool eachObjectAlone = true;
#else
const bool eachObjectAlone = false;
#endif

std::vector<char *> blocks;
char *next = nullptr;
std::size_t left = 0;

char *new_block(std::size_t size) {
  char *block = static_cast<char *>(std::malloc(size));
  assert(block != nullptr);
  blocks.push_back(block);
  return block;
}

}  // namespace

void *UTL_arena_allocate(std::size_t size) {
  size = (size + alignment - 1) / alignment * alignment;
  if (eachObjectAlone || size > blockSize / 4)
    return new_block(size);
  if (size > left) {
    next = new_block(blockSize);
    left = blockSize;
  }
  void *object = next;
  next += size;
  left -= size;
  return object;
}

char *UTL_arena_copy(const char *text) {
  const std::size_t size = std::strlen(text) + 1;
  return static_cast<char *>(std::memcpy(UTL_arena_allocate(size), text, size));
}
