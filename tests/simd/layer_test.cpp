// The vector layer as each build compiles it (tests/CMakeLists.txt builds this file once per
// build of the library, with its instruction set and register width): every operation whose
// result the instruction-set file decides, lane by lane against a scalar statement of its
// rule, on random lanes with each type's bounds and special values mixed in; and the loop
// driver's overlap rule against a simulation of both loops.
#include <fenv.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <functional>

#include "core/loops.h"
#include "qvx_levels.h"
#include "support/data.h"

namespace {

using namespace qvx::simd;
using qvxt::Rng;

// A processor that cannot run this build's instructions skips the program.
const bool kRunnable = [] {
  [[maybe_unused]] const char* f = getenv("QVX_FLAVOUR");  // no levels: nothing to check
  bool ok = true;
#define QVX_CHECK_LEVEL(name) \
  if (f != nullptr && strcmp(f, name) == 0) ok = __builtin_cpu_supports(name);
  QVX_FOR_EACH_LEVEL(QVX_CHECK_LEVEL)
#undef QVX_CHECK_LEVEL
  if (!ok) _Exit(77);
  return ok;
}();

// op(x, y) on two arrays of 2 * kLanes<In> random values (it loads what it takes from them),
// lane i of its register of Out against want(x, y, i); lanes where free(x, y, i) holds may
// hold any NaN where a NaN is due.
template <class In, class Out, class Op, class Want,
          class Free = bool (*)(const In*, const In*, int)>
void check(
    const std::string& name, Op op, Want want,
    Free free = [](const In*, const In*, int) { return false; }) {
  Rng rng(std::hash<std::string>()(name));
  for (int round = 0; round < 3000; ++round) {
    In x[2 * kLanes<In>], y[2 * kLanes<In>];
    qvxt::fill_random(x, 2 * kLanes<In>, rng);
    qvxt::fill_random(y, 2 * kLanes<In>, rng);
    const Vec<Out> r = op(x, y);
    Out got[kLanes<Out>], expect[kLanes<Out>];
    std::vector<char> any(kLanes<Out>);
    memcpy(got, &r, sizeof got);
    for (int i = 0; i < kLanes<Out>; ++i) expect[i] = want(x, y, i), any[i] = free(x, y, i);
    const auto same = qvxt::same_elements(got, expect, kLanes<Out>, qvxt::Nan::Payload, &any);
    if (!same)
      return void(ADD_FAILURE() << name << ", " << kBytes << "-byte registers: " << same.message());
  }
}

// A case of check(): the register and the lane i of the result as expressions of x and y.
#define LANES(In, Out, name, reg, lane)                                                     \
  check<In, Out>(                                                                           \
      name, []([[maybe_unused]] const In* x, [[maybe_unused]] const In* y) { return reg; }, \
      []([[maybe_unused]] const In* x, [[maybe_unused]] const In* y, int i) { return lane; })

template <class To, class From>
To clamp(From v) {
  using L = std::numeric_limits<To>;
  return v < From(L::min()) ? L::min() : v > From(L::max()) ? L::max() : To(v);
}

// Widening in registers and on loading, into the wider type and from bytes into int32 lanes
// (to doubles from singles and int32); narrowing two registers with saturation; reordering.
template <class T>
void lanes_of(const std::string& type) {
  using W = typename std::conditional_t<sizeof(T) >= 4, std::common_type<double>, Wider<T>>::type;
  if constexpr (sizeof(T) < 4 || std::is_same<T, float>::value || std::is_same<T, int32_t>::value)
    LANES(T, W, "load_widen " + type, load_widen<W>(x), W(x[i]));
  if constexpr (sizeof(T) == 1)
    LANES(T, int32_t, "load_widen s32 " + type, load_widen<int32_t>(x), int32_t(x[i]));
  if constexpr (sizeof(T) < 4 || std::is_same<T, int32_t>::value) {
    using V = typename std::conditional_t<sizeof(T) == 4, Wider<T>, std::common_type<W>>::type;
    LANES(T, V, "widen_lo " + type, widen_lo(load(x)), V(x[i]));
    LANES(T, V, "widen_hi " + type, widen_hi(load(x)), V(x[kLanes<V> + i]));
  }
  if constexpr (std::is_unsigned<T>::value) {
    LANES(T, T, "reverse " + type, reverse(load(x)), x[kLanes<T> - 1 - i]);
    LANES(T, T, "reverse_pairs " + type, reverse_pairs(load(x)),
          x[kLanes<T> - 2 - (i & ~1) + (i & 1)]);
    if constexpr (sizeof(T) > 1)
      LANES(T, T, "swap_bytes " + type, swap_bytes(load(x)), [&] {
        T r = 0;
        for (size_t k = 0; k < sizeof(T); ++k) r = T(r << 8 | ((x[i] >> 8 * k) & 0xFF));
        return r;
      }());
  }
}

TEST(Layer, LaneMoves) {
  lanes_of<int8_t>("s8"), lanes_of<uint8_t>("u8"), lanes_of<int16_t>("s16");
  lanes_of<uint16_t>("u16"), lanes_of<int32_t>("s32"), lanes_of<uint32_t>("u32");
  lanes_of<uint64_t>("u64"), lanes_of<float>("f32");
  LANES(int16_t, int8_t, "narrow s8", narrow<int8_t>(load(x), load(x + kLanes<int16_t>)),
        clamp<int8_t>(x[i]));
  LANES(int16_t, uint8_t, "narrow u8", narrow<uint8_t>(load(x), load(x + kLanes<int16_t>)),
        clamp<uint8_t>(x[i]));
  LANES(int32_t, int16_t, "narrow s16", narrow<int16_t>(load(x), load(x + kLanes<int32_t>)),
        clamp<int16_t>(x[i]));
  LANES(int32_t, uint16_t, "narrow u16", narrow<uint16_t>(load(x), load(x + kLanes<int32_t>)),
        clamp<uint16_t>(x[i]));
  LANES(uint8_t, uint64_t, "byte_signs", Vec<uint64_t>{byte_signs(load(x))}, [&] {
    uint64_t b = 0;
    for (int k = 0; k < kBytes && i == 0; ++k) b |= uint64_t(x[k] >> 7) << k;
    return b;
  }());
}

// Saturating sums and differences, 16-bit products, pairs of products, sums of differences.
template <class T>
void saturating(const std::string& type) {
  LANES(T, T, "adds " + type, adds(load(x), load(y)), clamp<T>(int64_t(x[i]) + y[i]));
  LANES(T, T, "subs " + type, subs(load(x), load(y)), clamp<T>(int64_t(x[i]) - y[i]));
  if constexpr (sizeof(T) == 2)
    LANES(T, T, "mulhi " + type, mulhi(load(x), load(y)), T((int64_t(x[i]) * y[i]) >> 16));
}

TEST(Layer, IntegerArithmetic) {
  saturating<int8_t>("s8"), saturating<uint8_t>("u8"), saturating<int16_t>("s16");
  saturating<uint16_t>("u16"), saturating<int32_t>("s32");
  LANES(int16_t, int32_t, "madd", madd(load(x), load(y)),
        int32_t(uint32_t(x[2 * i] * y[2 * i]) + uint32_t(x[2 * i + 1] * y[2 * i + 1])));
  LANES(uint8_t, uint64_t, "sad", sad(load(x), load(y)), [&] {
    uint64_t s = 0;
    for (int k = 8 * i; k < 8 * i + 8; ++k) s += abs(x[k] - y[k]);
    return s;
  }());
}

// Truncation: NaN and whatever truncates outside the int32 range give INT32_MIN.
inline int32_t truncated(double v) {
  return v != v || v <= -2147483649.0 || v >= 2147483648.0 ? INT32_MIN : int32_t(v);
}

// Quarters below 2^20 (halves among them: the ties), or 2^50 beyond them, of either sign
// (rounding to zeros of both signs), made from random bits.
inline double quarters(double v) {
  const uint64_t b = qvxt::bits_of(v);
  const double q = double((b >> 12) & 0x3FFFFF) / 4 + ((b & 1) ? 0x1p50 : 0.0);
  return b >> 63 ? -q : q;
}

template <class T>
void floating(const std::string& type) {
  check<T, T>(
      "addsub " + type, [](const T* x, const T* y) { return addsub(load(x), load(y)); },
      [](const T* x, const T* y, int i) { return i % 2 ? x[i] + y[i] : x[i] - y[i]; },
      [](const T* x, const T* y, int i) { return x[i] != x[i] && y[i] != y[i]; });
  // The second operand unless the comparison holds: NaNs and zeros of either sign included.
  LANES(T, T, "vmin " + type, vmin(load(x), load(y)), x[i] < y[i] ? x[i] : y[i]);
  LANES(T, T, "vmax " + type, vmax(load(x), load(y)), x[i] > y[i] ? x[i] : y[i]);
  // A NaN quieted, a number below zero the processor's default NaN (that of inf * 0, negative
  // on x86).
  LANES(T, T, "vsqrt " + type, vsqrt(load(x)), [&] {
    const uint_t<T> quiet = uint_t<T>(1) << (std::numeric_limits<T>::digits - 2);
    const uint_t<T> b = qvxt::bits_of(x[i]) | quiet;
    volatile T inf = std::numeric_limits<T>::infinity();
    const T made = inf * T(0);
    T r;
    memcpy(&r, &b, sizeof r);
    return x[i] != x[i] ? r : x[i] < 0 ? made : std::sqrt(x[i]);
  }());
  LANES(
      T, int32_t, "scalar trunc_i32 " + type,
      [&] {
        Vec<int32_t> r;
        for (int k = 0; k < kLanes<int32_t>; ++k) r[k] = isa::trunc_i32(x[k]);
        return r;
      }(),
      truncated(x[i]));
  if constexpr (sizeof(T) == 8) {
    LANES(
        T, T, "round_even",
        [&] {
          T m[kLanes<T>];
          for (int k = 0; k < kLanes<T>; ++k) m[k] = quarters(x[k]);
          return round_even(load(m));
        }(),
        std::nearbyint(quarters(x[i])));
  }
  if constexpr (sizeof(T) == 4) {
    LANES(T, int32_t, "trunc_i32 " + type, trunc_i32(load(x)), truncated(x[i]));
  } else {
    LANES(T, int32_t, "trunc_i32 " + type, trunc_i32(load(x), load(x + kLanes<T>)),
          truncated(x[i]));
  }
}

TEST(Layer, FloatingPoint) {
  floating<float>("f32"), floating<double>("f64");
  LANES(float, double, "to_double_lo", to_double_lo(load(x)), double(x[i]));
  LANES(float, double, "to_double_hi", to_double_hi(load(x)), double(x[kLanes<double> + i]));
  LANES(int32_t, double, "to_double_lo i32", to_double_lo(load(x)), double(x[i]));
  LANES(int32_t, double, "to_double_hi i32", to_double_hi(load(x)), double(x[kLanes<double> + i]));
  LANES(double, float, "to_float", to_float(load(x), load(x + kLanes<double>)), float(x[i]));
  // The mode check reads the rounding mode and leaves the exception flags as they were.
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO, FE_TONEAREST}) {
    fesetround(mode);
    feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(default_fp_mode(), mode == FE_TONEAREST) << mode;
    EXPECT_EQ(fetestexcept(FE_ALL_EXCEPT), 0) << mode;
  }
}

// The overlap rule against both loops run on one buffer: a destination and a source of
// strides ds and ss at byte offsets d and s, an element's output bytes a function of all its
// input bytes.  Where blocks_exact holds, blocks of w elements leave the element loop's bytes.
TEST(Layer, OverlapRule) {
  const auto run = [](int d, int s, int ds, int ss, int len, int w) {
    unsigned char buf[256];
    for (int k = 0; k < 256; ++k) buf[k] = static_cast<unsigned char>(k * 37 + 11);
    const auto out = [&](const unsigned char* in, unsigned char* o) {
      unsigned sum = 0;
      for (int k = 0; k < ss; ++k) sum = sum * 131 + in[k];
      for (int k = 0; k < ds; ++k) o[k] = static_cast<unsigned char>(sum >> k);
    };
    unsigned char tmp[16 * 8];
    int i = 0;
    for (; w > 0 && len - i >= w; i += w) {
      for (int k = 0; k < w; ++k) out(buf + s + (i + k) * ss, tmp + k * ds);
      memcpy(buf + d + i * ds, tmp, static_cast<size_t>(w * ds));
    }
    for (; i < len; ++i) out(buf + s + i * ss, buf + d + i * ds);
    return std::vector<unsigned char>(buf, buf + 256);
  };
  static const unsigned char area[512] = {};
  int exact = 0;
  for (auto [ds, ss] : {std::pair{4, 4}, {8, 8}, {4, 8}, {8, 4}, {2, 4}})
    for (int w : {2, 4, 8})
      for (int len : {w, 2 * w + 1})
        for (int d = 0; d < 64; ++d)
          for (int s = 0; s < 64; ++s) {
            if (!qvx::blocks_exact({area + d, size_t(ds)}, {area + s, size_t(ss)}, len, w))
              continue;
            ++exact;
            ASSERT_EQ(run(d, s, ds, ss, len, w), run(d, s, ds, ss, len, 0))
                << "strides " << ds << " " << ss << ", offsets " << d << " " << s << ", len " << len
                << ", w " << w;
          }
  EXPECT_GT(exact, 50000);  // of 122880 cases
  // The boundaries: a block and a byte less behind the source; disjointness byte by byte.
  const unsigned char* p = area + 256;
  EXPECT_TRUE(qvx::blocks_exact({p + 32, 4}, {p, 4}, 100, 8));
  EXPECT_FALSE(qvx::blocks_exact({p + 31, 4}, {p, 4}, 100, 8));
  EXPECT_TRUE(qvx::blocks_exact({p, 4}, {p + 1, 4}, 100, 8));
  for (int a = 0; a < 12; ++a)
    for (int n = 1; n < 6; ++n)
      for (int m = 1; m < 6; ++m) {
        bool shared = false;
        for (int k = 0; k < n; ++k) shared |= k >= a && k < a + m;
        EXPECT_EQ(qvx::disjoint(p, size_t(n), p + a, size_t(m)), !shared)
            << a << " " << n << " " << m;
        EXPECT_EQ(qvx::disjoint(p + a, size_t(m), p, size_t(n)), !shared)
            << a << " " << n << " " << m;
      }
  // A source read from its end (reversals): blocks only for arrays that share no element, in
  // place or a block or more ahead as well.
  uint32_t u[64];
  for (int len : {1, 9, 16})
    for (int d = 0; d < 40; ++d)
      EXPECT_EQ(qvx::detail::all_exact(len, 8, qvx::Out<uint32_t>{u + d},
                                       qvx::mirrored(qvx::In<uint32_t>{u + 20}, len)),
                d + len <= 20 || d >= 20 + len)
          << len << " " << d;
}

}  // namespace
