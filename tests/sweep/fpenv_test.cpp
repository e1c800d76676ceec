// Every function leaves the caller's floating-point environment as it found it: with
// rounding modes, flush-to-zero, denormals-are-zero and exception masks other than the
// defaults in force during the call, the MXCSR control bits afterwards are the caller's.
// Where exceptions are unmasked a call may trap (the library raises what IEEE arithmetic
// raises); at a trap inside the library the control bits in force must still be the
// caller's.  (A trap inside the C math library is not judged: glibc switches to the default
// rounding mode for parts of its own computations and restores the caller's afterwards.)
// The control register is x86's: builds for other processors leave this test out.
#if defined(__x86_64__)
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <setjmp.h>
#include <signal.h>
#include <ucontext.h>
#include <xmmintrin.h>

#include "core/shapes.h"
#include "support/libs.h"
#include "support/rows.h"

namespace {

constexpr unsigned kDefault = 0x1F80;
constexpr unsigned kControl = 0xFFC0;  // DAZ, the six masks, rounding control, FTZ
constexpr unsigned kDaz = 0x40, kFtz = 0x8000, kFlags = 0x3F;
constexpr unsigned kDown = 0x2000, kUp = 0x4000, kZero = 0x6000;
constexpr unsigned kInvalidMask = 0x80, kDivideMask = 0x200;

struct Env {
  const char* name;
  unsigned csr;
};
const Env kEnvs[] = {
    {"down, FTZ, DAZ, every flag raised", kDefault | kDown | kFtz | kDaz | kFlags},
    {"up, DAZ", kDefault | kUp | kDaz},
    {"toward zero, FTZ", kDefault | kZero | kFtz},
    {"nearest, every exception unmasked", 0},
    {"toward zero, invalid and divide-by-zero unmasked", (kDefault & ~(kInvalidMask | kDivideMask)) | kZero},
};

unsigned g_csr;              // the setting of the call being made
unsigned g_seen;             // MXCSR after the call, or at its trap
bool g_trapped;
const void* g_trap_at;       // the trapping instruction
sigjmp_buf g_jump;

void on_fpe(int, siginfo_t*, void* context) {
  const ucontext_t* uc = static_cast<ucontext_t*>(context);
  g_seen = uc->uc_mcontext.fpregs->mxcsr;
  g_trap_at = reinterpret_cast<const void*>(uc->uc_mcontext.gregs[REG_RIP]);
  siglongjmp(g_jump, 1);
}

// The load address of the object that holds `p`.
const void* object_of(const void* p) {
  Dl_info info;
  return dladdr(p, &info) ? info.dli_fbase : nullptr;
}

QvxStatus under_env(QvxStatus (*call)(void*), void* arg) {
  g_trapped = false;
  if (sigsetjmp(g_jump, 1) != 0) {
    _mm_setcsr(kDefault);
    g_trapped = true;
    return 0;
  }
  _mm_setcsr(g_csr);
  const QvxStatus s = call(arg);
  g_seen = _mm_getcsr();
  _mm_setcsr(kDefault);
  return s;
}

TEST(FloatingPointEnvironment, EveryFunctionLeavesTheControlBits) {
  struct sigaction sa = {}, old = {};
  sa.sa_sigaction = on_fpe;
  sa.sa_flags = SA_SIGINFO;
  ASSERT_EQ(sigaction(SIGFPE, &sa, &old), 0);
  const int lens[] = {1, 3, 8, 17, 33, 64, 100, 1000};
  const int sfs[] = {0, 1, -1, 5, -6, 12, -15, 16, 30, -31, 40, INT_MIN, INT_MAX};
  void* lib = qvxt::main_lib();
  const void* library = object_of(qvxt::symbol(lib, "qvx_GetVersion"));
  int calls = 0, traps = 0, outside = 0;
  for (const qvxt::Row& row : qvxt::function_rows()) {
    if (row.probe == nullptr) continue;
    int fails = 0;
    for (const Env& env : kEnvs) {
      for (int i = 0; i < static_cast<int>(sizeof lens / sizeof lens[0]); ++i) {
        for (int alias = -1; alias < 3; ++alias) {
          if (alias >= 0 && !(row.ip & (1 << alias))) continue;
          qvxt::Probe p;
          p.len = lens[i];
          p.sf = sfs[(i + alias + 1) % (sizeof sfs / sizeof sfs[0])];
          p.ofs = i * 37 - 100;
          p.alias = alias;
          p.offset = static_cast<size_t>(i) % 16;
          p.seed = static_cast<uint64_t>(i) * 1000 + static_cast<unsigned>(alias + 1);
          p.wrap = under_env;
          g_csr = env.csr;
          const std::string err = row.probe(row, &lib, 1, p);
          ++calls;
          traps += g_trapped;
          if (g_trapped && object_of(g_trap_at) != library) {
            ++outside;
            if (err.empty()) continue;
          }
          if (err.empty() && (g_seen & kControl) == (env.csr & kControl)) continue;
          if (++fails <= 3)
            ADD_FAILURE() << row.name << " (" << env.name << ", len " << p.len << ", sf " << p.sf
                          << ", alias " << alias << "): " << (err.empty() ? "" : err + "; ")
                          << std::hex << "MXCSR " << (g_trapped ? "at the trap " : "after ")
                          << g_seen << ", set " << env.csr;
        }
      }
    }
  }
  sigaction(SIGFPE, &old, nullptr);
  printf("%d calls, %d trapped (%d inside the C math library)\n", calls, traps, outside);
}

}  // namespace

#endif
