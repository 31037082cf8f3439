// NearestName: the "did you mean" of a diagnostic. Among the names a misspelt word could have
// meant, the one closest to it by edit distance (a character inserted, removed, replaced, or
// two neighbours swapped), if it is close enough to be a likely slip.
#ifndef FOUNDATION_NEARESTNAME_HH
#define FOUNDATION_NEARESTNAME_HH

#include <vector>

#include "foundation/Dstr.hh"

// The number of single-character edits that turn a into b, a swap of neighbours counting as one.
unsigned int edit_distance(const Dstr &a, const Dstr &b);

// The candidate nearest to word, the first of several as near; null when none is within a third
// of the longer name's length (at least one edit), or when word itself is one of them.
Dstr nearest_name(const Dstr &word, const std::vector<Dstr> &candidates);

// "; did you mean NAME?" for the nearest candidate, or nothing (an empty text) when there is none.
Dstr did_you_mean(const Dstr &word, const std::vector<Dstr> &candidates);

#endif
