// UTL_ScopeStack: the stack of open scopes the parse actions keep (the root at the bottom, a
// null entry marking a sequence being read), and its iterator from the top down.
#ifndef FRONTEND_UTL_SCOPESTACK_HH
#define FRONTEND_UTL_SCOPESTACK_HH

#include <cstddef>
#include <vector>

class UTL_Scope;

class UTL_ScopeStack {
public:
  void push(UTL_Scope *s) { entries.push_back(s); }
  void pop() {
    if (!entries.empty())
      entries.pop_back();
  }
  UTL_Scope *top() { return entries.empty() ? nullptr : entries.back(); }
  UTL_Scope *bottom() { return entries.empty() ? nullptr : entries.front(); }
  void clear() { entries.clear(); }
  long depth() { return static_cast<long>(entries.size()); }
  UTL_Scope *next_to_top() { return entries.size() < 2 ? nullptr : entries[entries.size() - 2]; }
  // The innermost entry that is not a sequence marker.
  UTL_Scope *top_non_null();
  UTL_Scope *entry(long i) { return entries[static_cast<std::size_t>(i)]; }

private:
  std::vector<UTL_Scope *> entries;
};

class UTL_ScopeStackActiveIterator {
public:
  explicit UTL_ScopeStackActiveIterator(UTL_ScopeStack *s) : stack(s), index(s->depth() - 1) {}

  UTL_Scope *item() { return is_done() ? nullptr : stack->entry(index); }
  void next() { index--; }
  bool is_done() { return index < 0; }

private:
  UTL_ScopeStack *stack;
  long index;
};

#endif
