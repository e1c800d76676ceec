// The element loops a user would write for the scaled exponential, logarithm and square root:
// f(x) * 2^s from the C library's exp, log and sqrt, rounded to nearest where the library's
// band rounds (the exponential's table band, the logarithm from s = 0 down) and truncated
// elsewhere, saturated; the logarithm's fixed-point bands are written as log(x) * 2^s
// truncated, and the square root's table band as sqrt(x) * 2^s truncated.  A call takes the
// branch of its scale factor once; the loops are what the compiler makes of them.
#include <math.h>

#include "harness.h"

namespace {

template <class T>
constexpr double kTop = sizeof(T) == 2 ? 32767.0 : 2147483647.0;

// v >= 0 stored into T: truncated or rounded to nearest, at most the largest value.
template <class T>
inline T trunc_top(double v) {
  return v > kTop<T> ? static_cast<T>(kTop<T>) : static_cast<T>(v);
}
template <class T>
inline T round_top(double v) {
  return v >= kTop<T> ? static_cast<T>(kTop<T>) : static_cast<T>(floor(v + 0.5));
}

template <class T>
void exp_loop(const T* s, T* d, int len, int sf, int table_band) {
  if (sf >= -table_band && sf <= table_band) {
    const double p = ldexp(1.0, sf);
    for (int i = 0; i < len; ++i) d[i] = round_top<T>(exp(static_cast<double>(s[i])) * p);
  } else if (sizeof(T) == 2) {
    const float c = static_cast<float>(M_LN2 * sf);
    for (int i = 0; i < len; ++i)
      d[i] = trunc_top<T>(static_cast<float>(exp(static_cast<double>(static_cast<float>(s[i]) + c))));
  } else {
    const double c = M_LN2 * sf;
    for (int i = 0; i < len; ++i) d[i] = trunc_top<T>(exp(static_cast<double>(s[i]) + c));
  }
}

template <class T>
void log_loop(const T* s, T* d, int len, int sf) {
  const T lowest = static_cast<T>(-kTop<T> - 1);
  const double p = ldexp(1.0, sf < 64 ? sf : 64);
  for (int i = 0; i < len; ++i) {
    const T x = s[i];
    if (x <= 0) {
      d[i] = lowest;
    } else {
      const double v = log(static_cast<double>(x)) * p;
      d[i] = sf <= 0 ? round_top<T>(v) : trunc_top<T>(v);
    }
  }
}

// Rounded to single precision up to s = single_upto, kept in double above.
template <class T>
void sqrt_loop(const T* s, T* d, int len, int sf, int zero_below, int single_upto) {
  if (sf < zero_below) {
    for (int i = 0; i < len; ++i) d[i] = 0;
    return;
  }
  const double p = ldexp(1.0, sf < 64 ? sf : 64);
  for (int i = 0; i < len; ++i) {
    const double r = sqrt(static_cast<double>(s[i] < 0 ? T{0} : s[i])) * p;
    d[i] = trunc_top<T>(sf <= single_upto ? static_cast<float>(r) : r);
  }
}

}  // namespace

QVXB_LOOP(Vector_ExpShift_16S, (const Qvx16s* s, Qvx16s* d, int len, int sf)) { exp_loop(s, d, len, sf, 16); }
QVXB_LOOP(Vector_ExpShift_32S, (const Qvx32s* s, Qvx32s* d, int len, int sf)) { exp_loop(s, d, len, sf, 31); }
QVXB_LOOP(Vector_LogShift_16S, (const Qvx16s* s, Qvx16s* d, int len, int sf)) { log_loop(s, d, len, sf); }
QVXB_LOOP(Vector_LogShift_32S, (const Qvx32s* s, Qvx32s* d, int len, int sf)) { log_loop(s, d, len, sf); }
QVXB_LOOP(Vector_SqrtShift_16S, (const Qvx16s* s, Qvx16s* d, int len, int sf)) { sqrt_loop(s, d, len, sf, -7, 14); }
QVXB_LOOP(Vector_SqrtShift_32S, (const Qvx32s* s, Qvx32s* d, int len, int sf)) { sqrt_loop(s, d, len, sf, -15, 7); }
