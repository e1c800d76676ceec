// The C math library functions of the single-precision fast path, taken over by this program
// (it exports them) so that it can count the calls the library makes: each is a lane the fast
// path left to the library.  Each passes the call on unchanged; the count is an integer
// increment, which touches neither errno nor the exception flags.  Compiled with
// -fno-builtin, apart from the checking code, so that no call here is folded away.
#include <dlfcn.h>

#include "verify_math.h"

namespace verify {
thread_local long long t_calls = 0;
thread_local bool t_counting = false;
}  // namespace verify

namespace {
using Fn = double (*)(double);
using Fn2 = double (*)(double, double);
constexpr int kCount = 8;
Fn g_next[kCount];
const char* const kNames[kCount] = {"sin", "cos", "tan", "exp", "log", "atan", "asin", "acos"};
Fn2 g_next2[3];
void (*g_sincos)(double, double*, double*);
const char* const kNames2[3] = {"hypot", "atan2", "pow"};
}  // namespace

namespace verify {
// Looks the C library's functions up once, before any checking (dlsym may set errno).
void resolve() {
  for (int k = 0; k < kCount; ++k) g_next[k] = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, kNames[k]));
  for (int k = 0; k < 3; ++k) g_next2[k] = reinterpret_cast<Fn2>(dlsym(RTLD_NEXT, kNames2[k]));
  g_sincos = reinterpret_cast<void (*)(double, double*, double*)>(dlsym(RTLD_NEXT, "sincos"));
}
}  // namespace verify

#define VERIFY_PASS_ON(name, k)                                             \
  extern "C" __attribute__((visibility("default"))) double name(double x) { \
    if (verify::t_counting) ++verify::t_calls;                              \
    return g_next[k](x);                                                    \
  }
VERIFY_PASS_ON(sin, 0)
VERIFY_PASS_ON(cos, 1)
VERIFY_PASS_ON(tan, 2)
VERIFY_PASS_ON(exp, 3)
VERIFY_PASS_ON(log, 4)
VERIFY_PASS_ON(atan, 5)
VERIFY_PASS_ON(asin, 6)
VERIFY_PASS_ON(acos, 7)
#define VERIFY_PASS_ON2(name, k)                                                      \
  extern "C" __attribute__((visibility("default"))) double name(double x, double y) { \
    if (verify::t_counting) ++verify::t_calls;                                        \
    return g_next2[k](x, y);                                                          \
  }
VERIFY_PASS_ON2(hypot, 0)
VERIFY_PASS_ON2(atan2, 1)
VERIFY_PASS_ON2(pow, 2)
extern "C" __attribute__((visibility("default"))) void sincos(double x, double* s, double* c) {
  if (verify::t_counting) ++verify::t_calls;
  g_sincos(x, s, c);
}
