#include <gtest/gtest.h>

#include "Harness.h"

TEST(Smoke, FormStarts) {
  THarness h;
  TForm1& f = h.Start();
  EXPECT_EQ(f.Controls().size(), 36u);
}
