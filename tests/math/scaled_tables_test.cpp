// The private tables of the scaled exponential, logarithm and square root, as the library
// generates them at compile time: every entry of every table against the models of
// scaled_model.h, and the few entries outside the rules as literals.
#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "math/scaled_tables.h"
#include "scaled_model.h"

namespace {

namespace t = qvx::scaled;

// The entries the rule check below leaves out.
TEST(ScaledTables, EntriesOutsideTheRules) {
  EXPECT_EQ(t::qvx_Log_Tab_16S_14[0], 0);
  EXPECT_EQ(t::qvx_Log_Tab_32S_30[0], 0);
  EXPECT_EQ(t::sqrtb1[0], 4);
  EXPECT_EQ(t::sqrtb1[1], 5);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(t::sqrtb2[i], 0) << i;
}

// Block s holds rnd(exp(x) * 2^s) saturated, x from 0 (s <= 0) or from -W (s >= 1).
template <class Blocks>
void check_exp_blocks(const Blocks& blocks, int smax, int n, int w) {
  using T = typename std::remove_cv<typename std::remove_reference<decltype(blocks[0][0])>::type>::type;
  for (int s = -smax; s <= smax; ++s)
    for (int k = 0; k < n; ++k) {
      const int x = s <= 0 ? k : k - w;
      EXPECT_EQ(blocks[s + smax][k], smt::rnd_exp<T>(x, s)) << "s " << s << " x " << x;
    }
}

TEST(ScaledTables, EveryEntryFromItsRule) {
  smt::undecided() = 0;
  check_exp_blocks(t::qvx_Exp_Tab_16S, 16, 25, 12);
  check_exp_blocks(t::qvx_Exp_Tab_32S, 31, 45, 22);
  for (int i = 0; i < 256; ++i) {
    int bits = 0;
    while ((i >> bits) != 0) ++bits;
    EXPECT_EQ(t::qvx_logb_8U[i], bits) << i;
    EXPECT_EQ(t::qvx_log_sh27[i], i == 0 ? 0 : smt::rnd_ln(i, 27)) << i;
    EXPECT_EQ(t::qvx_Inv_sh20[i], i == 0 ? 0 : smt::rnd(ldexpl(1.0L / i, 20))) << i;
    if (i >= 2) {
      EXPECT_EQ(t::sqrtb1[i], smt::rnd_sqrt(16 * i)) << i;
    }
  }
  for (int k = 0; k < 24; ++k)
    EXPECT_EQ(t::qvx_mulLn2_sh27[k], smt::rnd(ldexpl(k * smt::kLn2, 27), k == 0)) << k;
  for (int i = 1; i < 8; ++i) {
    EXPECT_EQ(t::qvx_Log_Tab_16S_14[i], smt::rnd_ln(i, 14)) << i;
    EXPECT_EQ(t::qvx_Log_Tab_32S_30[i], i == 1 ? 0 : smt::floor_of(ldexpl(logl(i), 30))) << i;
  }
  for (int i = 0; i < 32; ++i) EXPECT_EQ(t::sqrtb0[i], smt::rnd_sqrt(i)) << i;
  for (int i = 16; i < 160; ++i) EXPECT_EQ(t::sqrtb2[i], smt::rnd_sqrt(256 * i)) << i;
  EXPECT_EQ(smt::undecided(), 0) << "model values too close to a rounding boundary";
}

}  // namespace
