// Unit test of KeptUntilExit: each make frees the object made before it and nothing else.
#include "foundation/KeptUntilExit.hh"

#include <gtest/gtest.h>

namespace {

struct Counted {
  explicit Counted(int &liveCount) : live(liveCount) { ++live; }
  ~Counted() { --live; }
  int &live;
};

TEST(KeptUntilExit, EachMakeFreesThePreviousObjectOnly) {
  int live = 0;
  KeptUntilExit<Counted> kept;
  Counted &first = kept.make(live);
  EXPECT_EQ(1, live);
  EXPECT_EQ(&live, &first.live);
  kept.make(live);
  EXPECT_EQ(1, live);
  kept.make(live);
  EXPECT_EQ(1, live);
}

}  // namespace
