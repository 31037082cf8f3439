// Unit tests of the "did you mean" helper: the edit distance, and which candidate is offered.
#include "foundation/NearestName.hh"

#include <gtest/gtest.h>

namespace {

TEST(NearestName, EditDistanceCountsOneEditEach) {
  const struct {
    const char *a, *b;
    unsigned int distance;
  } cases[] = {
      {"sum", "sum", 0}, {"summ", "sum", 1},  {"sum", "smu", 1},     {"sub", "sum", 1},
      {"", "abc", 3},    {"abc", "", 3},      {"calcx", "calc", 1},  {"kitten", "sitting", 3},
      {"Calculatr", "Calculator", 1},
      // A swapped pair is not edited again: "ca" becomes "abc" in three edits, not two.
      {"ca", "abc", 3},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.distance, edit_distance(Dstr(c.a), Dstr(c.b))) << c.a << " / " << c.b;
}

TEST(NearestName, OffersTheNearestLikelySlipOnly) {
  const std::vector<Dstr> operations = {Dstr("add"), Dstr("sub"), Dstr("sum"), Dstr("total")};
  const struct {
    const char *word;
    const char *offered;  // null: nothing offered
  } cases[] = {
      {"summ", "sum"},  // one edit from sum, two from sub
      {"sbu", "sub"},   // a swap
      {"ad", "add"},
      {"totl", "total"},
      {"sum", nullptr},       // the word itself is a candidate: no slip to correct
      {"multiply", nullptr},  // nothing near
      {"x", nullptr},         // one edit from nothing but too short to guess at
      {"tot", nullptr},       // two edits from total: too many for five letters
  };
  for (const auto &c : cases) {
    const Dstr offered = nearest_name(Dstr(c.word), operations);
    if (c.offered)
      EXPECT_STREQ(c.offered, offered.aschar()) << c.word;
    else
      EXPECT_TRUE(offered.isNull()) << c.word << " offered " << offered.aschar();
  }
  EXPECT_STREQ("; did you mean sum?", did_you_mean(Dstr("summ"), operations).aschar());
  EXPECT_STREQ("", did_you_mean(Dstr("multiply"), operations).aschar());
}

}  // namespace
