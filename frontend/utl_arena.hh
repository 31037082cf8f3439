// The front end's arena: the syntax tree, its names and the parser's lists live until the
// process exits, so they are carved in turn from large blocks instead of being allocated one by
// one, and nothing carved is given back.
#ifndef FRONTEND_UTL_ARENA_HH
#define FRONTEND_UTL_ARENA_HH

#include <cstddef>

// size bytes, aligned for any object.
void *UTL_arena_allocate(std::size_t size);
// A copy of text, terminator included.
char *UTL_arena_copy(const char *text);

// The base of the front-end classes whose objects live until the process exits: new carves
// them from the arena, delete gives nothing back.
class UTL_ArenaObject {
public:
  static void *operator new(std::size_t size) { return UTL_arena_allocate(size); }
  static void operator delete(void *) {}
};

#endif
