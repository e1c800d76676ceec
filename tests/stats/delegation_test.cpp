// Which primitive a statistics primitive hands its work to (seen through
// support/interpose.h): Sum_8U is SumAbs_8U, Mean_8U and Mean_16U divide the sum that
// SumAbs_8U and SumAbs_16U report, and StdDev is MeanStdDev with a private mean cell; each
// returns its callee's status and makes the call for every len, len < 1 included.
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>

#include <string>

#include "qvx_vector.h"
#include "support/interpose.h"

namespace {
// What the interposed callees add to the sum they report (MeanStdDev: the deviation they
// report instead) and return as status; neutral except within a test, since every test of
// this program goes through them.
double g_add = 0;
QvxStatus g_status = 0;
}  // namespace

#define RECORD_SUM(N, T)                                                                   \
  QVXT_INTERPOSE __qvx_##N(const T* s, int n, Qvx64f* r) {                                 \
    qvxt::g_seen.push_back({#N, s, r, n, 0});                                              \
    const QvxStatus st = qvxt::next<QvxStatus (*)(const T*, int, Qvx64f*)>("__qvx_" #N)(s, n, r); \
    *r += g_add;                                                                           \
    return g_status != 0 ? g_status : st;                                                  \
  }
#define RECORD_PAIR(N, T)                                                                     \
  QVXT_INTERPOSE __qvx_##N(const T* s, int n, T* m, T* d) {                                   \
    qvxt::g_seen.push_back({#N, s, d, n, static_cast<long long>(reinterpret_cast<intptr_t>(m))}); \
    const QvxStatus st = qvxt::next<QvxStatus (*)(const T*, int, T*, T*)>("__qvx_" #N)(s, n, m, d); \
    if (g_add != 0) *d = static_cast<T>(g_add);                                               \
    return g_status != 0 ? g_status : st;                                                     \
  }
RECORD_SUM(Vector_SumAbs_8U, Qvx8u)
RECORD_SUM(Vector_SumAbs_16U, Qvx16u)
RECORD_PAIR(Vector_MeanStdDev_8U, Qvx8u)
RECORD_PAIR(Vector_MeanStdDev_16U, Qvx16u)
RECORD_PAIR(Vector_MeanStdDev_16S, Qvx16s)
RECORD_PAIR(Vector_MeanStdDev_32S, Qvx32s)
RECORD_PAIR(Vector_MeanStdDev_32F, Qvx32f)
RECORD_PAIR(Vector_MeanStdDev_64F, Qvx64f)
#undef RECORD_SUM
#undef RECORD_PAIR

namespace {

using qvxt::Seen;

struct Scoped {
  Scoped(double add, QvxStatus status) {
    g_add = add;
    g_status = status;
  }
  ~Scoped() {
    g_add = 0;
    g_status = 0;
  }
};

void expect_call(const std::vector<Seen>& seen, const std::string& name, const void* src,
                 const void* dst, int len) {
  ASSERT_EQ(seen.size(), 1u) << name;
  EXPECT_EQ(seen[0].name, name);
  EXPECT_EQ(seen[0].src, src) << name;
  if (dst != nullptr) {
    EXPECT_EQ(seen[0].dst, dst) << name;
  }
  EXPECT_EQ(seen[0].len, len) << name;
}

TEST(Delegation, Sum8UIsSumAbs8U) {
  const Qvx8u v[5] = {1, 2, 3, 4, 250};
  for (int len : {5, 0, -3, INT_MIN}) {
    const Scoped s(0.5, 3);
    double r = -1;
    QvxStatus st = 0;
    expect_call(qvxt::calls([&] { st = qvx_Vector_Sum_8U(v, len, &r); }), "Vector_SumAbs_8U", v,
                &r, len);
    EXPECT_EQ(st, 3);
    EXPECT_EQ(r, (len == 5 ? 260.0 : 0.0) + 0.5);
  }
}

// The mean divides what SumAbs reports (here the true sum plus 2 * len) by len, for every
// len: with len 0 the quotient is NaN and the mean 0, with len -2 it is -4 / -2.
TEST(Delegation, MeansOf8UAnd16UDivideTheSumOfSumAbs) {
  const Qvx8u b[4] = {10, 20, 30, 41};
  const Qvx16u w[4] = {1000, 2000, 3000, 4001};
  for (int len : {4, 1, 0, -2}) {
    const Scoped s(2.0 * len, 2);
    Qvx8u m8 = 99;
    Qvx16u m16 = 99;
    QvxStatus st = 0;
    expect_call(qvxt::calls([&] { st = qvx_Vector_Mean_8U(b, len, &m8); }), "Vector_SumAbs_8U", b,
                nullptr, len);
    EXPECT_EQ(st, 2);
    EXPECT_EQ(m8, len == 4 ? 27 : len == 1 ? 12 : len == 0 ? 0 : 2);  // (101 + 8) / 4 ...
    expect_call(qvxt::calls([&] { st = qvx_Vector_Mean_16U(w, len, &m16); }), "Vector_SumAbs_16U",
                w, nullptr, len);
    EXPECT_EQ(st, 2);
    EXPECT_EQ(m16, len == 4 ? 2502 : len == 1 ? 1002 : len == 0 ? 0 : 2);
  }
}

// StdDev calls MeanStdDev with its own src, len and stdDev and a mean cell of its own.
template <class T>
void std_dev_through(QvxStatus (*std_dev)(const T*, int, T*), const std::string& callee) {
  const T v[3] = {T(1), T(5), T(9)};
  for (int len : {3, 1, 0, -1}) {
    const Scoped s(42, 1);
    T d = T(77);
    QvxStatus st = 0;
    const auto seen = qvxt::calls([&] { st = std_dev(v, len, &d); });
    ASSERT_NO_FATAL_FAILURE(expect_call(seen, callee, v, &d, len));
    const void* mean_cell = reinterpret_cast<const void*>(static_cast<intptr_t>(seen[0].arg));
    EXPECT_NE(mean_cell, nullptr);
    EXPECT_NE(mean_cell, static_cast<void*>(&d));
    EXPECT_EQ(st, 1) << callee;
    EXPECT_EQ(d, T(42)) << callee << ": the deviation MeanStdDev reports";
  }
}

TEST(Delegation, StdDevIsMeanStdDevWithAPrivateMean) {
#define THROUGH(T) std_dev_through(qvx_Vector_StdDev_##T, "Vector_MeanStdDev_" #T)
  THROUGH(8U), THROUGH(16U), THROUGH(16S), THROUGH(32S), THROUGH(32F), THROUGH(64F);
}

}  // namespace
