// NearestName: the optimal string alignment distance, computed over three rows, and the choice
// of the nearest candidate under the distance a slip of the keyboard makes likely.
#include "foundation/NearestName.hh"

#include <algorithm>
#include <string_view>

#include "foundation/FatalError.hh"

namespace {

std::string_view view_of(const Dstr &text) { return {text.aschar(), text.length()}; }

// A slip changes one character in three at most: "summ" is sum, "calcx" calc, but "not" is
// not nogo.
unsigned int likely_distance(size_t a, size_t b) {
  const size_t longer = std::max(a, b);
  return static_cast<unsigned int>(std::max<size_t>(1, longer / 3));
}

}  // namespace

unsigned int edit_distance(const Dstr &a_in, const Dstr &b_in) {
  const std::string_view a = view_of(a_in);
  const std::string_view b = view_of(b_in);
  // Rows i - 2, i - 1 and i of the distance table over the prefixes of a and b.
  std::vector<unsigned int> before(b.size() + 1), previous(b.size() + 1), row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j)
    previous[j] = static_cast<unsigned int>(j);
  for (size_t i = 1; i <= a.size(); ++i) {
    row[0] = static_cast<unsigned int>(i);
    for (size_t j = 1; j <= b.size(); ++j) {
      const unsigned int replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[j] = std::min({previous[j] + 1, row[j - 1] + 1, replace});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        row[j] = std::min(row[j], before[j - 2] + 1);
    }
    std::swap(before, previous);
    std::swap(previous, row);
  }
  return previous[b.size()];
}

Dstr nearest_name(const Dstr &word, const std::vector<Dstr> &candidates) {
  Dstr nearest;
  unsigned int best = 0;
  for (const Dstr &candidate : candidates) {
    const size_t longer = std::max(word.length(), candidate.length());
    const size_t shorter = std::min(word.length(), candidate.length());
    // Each character of the difference in length is one edit at least.
    if (longer - shorter > likely_distance(word.length(), candidate.length()))
      continue;
    const unsigned int distance = edit_distance(word, candidate);
    if (distance == 0)
      return Dstr();
    if (distance <= likely_distance(word.length(), candidate.length()) &&
        (nearest.isNull() || distance < best)) {
      nearest = candidate;
      best = distance;
    }
  }
  return nearest;
}

Dstr did_you_mean(const Dstr &word, const std::vector<Dstr> &candidates) {
  const Dstr nearest = nearest_name(word, candidates);
  return nearest.isNull() ? Dstr("") : join_pieces("; did you mean ", nearest, "?");
}
