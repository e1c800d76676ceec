// Threads: eight threads call random rows at once, each on guarded buffers of its own, and a
// few functions on one shared read-only source; every result must equal the one-thread
// result.  The services run concurrently alongside.  Built with ThreadSanitizer (make tsan),
// any data race fails the run.
#include <gtest/gtest.h>
#include <limits.h>
#include <pthread.h>
#include <string.h>

#include <thread>
#include <vector>

#include "support/libs.h"
#include "support/rows.h"
#include "support/sha256.h"

namespace {

constexpr int kThreads = 8;
constexpr int kJobs = 300;

struct Job {
  const qvxt::Row* row;
  qvxt::Probe p;
  std::string digest;  // of every array after the call, one thread alone
};

std::string run(const Job& j) {
  void* lib = qvxt::main_lib();
  qvxt::Sha256 h;
  qvxt::Probe p = j.p;
  p.check = [&h](const std::vector<qvxt::Arg>& args) {
    for (const qvxt::Arg& a : args) h.update(a.array ? a.after : a.before, a.bytes);
    return std::string();
  };
  const std::string err = j.row->probe(*j.row, &lib, 1, p);
  return err.empty() ? h.hex() : "error: " + err;
}

std::vector<Job> jobs() {
  std::vector<const qvxt::Row*> rows;
  for (const qvxt::Row& r : qvxt::function_rows())
    if (r.probe != nullptr) rows.push_back(&r);
  qvxt::Rng rng(2024);
  std::vector<Job> v(kJobs);
  for (int i = 0; i < kJobs; ++i) {
    Job& j = v[i];
    j.row = rows[rng() % rows.size()];
    j.p.len = i % 10 == 0 ? -static_cast<int>(rng() % 3) : static_cast<int>(rng() % 300);
    j.p.sf = static_cast<int>(rng() % 81) - 40;
    j.p.ofs = static_cast<int>(rng() % 2001) - 1000;
    j.p.alias = static_cast<int>(rng() % 4) - 1;
    j.p.offset = rng() % 16;
    j.p.end = rng() & 1;
    j.p.seed = i;
    j.digest = run(j);
  }
  return v;
}

// The shared source and what one thread gets from it.
struct Shared {
  static constexpr int kLen = 50000;
  std::vector<Qvx32f> f;
  std::vector<Qvx8u> b;
  Shared() : f(kLen), b(kLen) {
    qvxt::Rng rng(5);
    qvxt::fill_random(f.data(), kLen, rng);
    qvxt::fill_random(b.data(), kLen, rng);
  }
  std::string results() const {
    std::vector<Qvx32f> sum(kLen), root(kLen);
    std::vector<Qvx8u> copy(kLen);
    Qvx64f total = 0;
    qvx_Vector_Add_32F(f.data(), f.data(), sum.data(), kLen);
    qvx_Vector_Sqrt_32F(f.data(), root.data(), kLen);
    qvx_Vector_Copy_8U(b.data(), copy.data(), kLen);
    qvx_Vector_Sum_32F(f.data(), kLen, &total);
    qvxt::Sha256 h;
    h.update(sum.data(), sum.size() * 4);
    h.update(root.data(), root.size() * 4);
    h.update(copy.data(), copy.size());
    h.update(&total, sizeof total);
    return h.hex();
  }
};

// Services from many threads: blocks of their own, the thread-count setting, strings.
void services(int t, int rounds) {
  for (int i = 0; i < rounds; ++i) {
    const int size = 1 + (t * 977 + i * 131) % 100000;
    Qvx8u* p = static_cast<Qvx8u*>(qvx_Malloc(size));
    ASSERT_NE(p, nullptr);
    memset(p, t, static_cast<size_t>(size));
    EXPECT_EQ(p[size - 1], t);
    qvx_Free(p);
    EXPECT_EQ(qvx_SetNumThreads(t), 0);
    int n = -1;
    EXPECT_EQ(qvx_GetNumThreads(&n), 0);
    EXPECT_TRUE(n >= 0 && n < kThreads) << n;
    EXPECT_STREQ(qvx_GetStringStatus(i % 6 - 1), qvx_GetStringStatus(i % 6 - 1));
    EXPECT_NE(qvx_GetVersion(), nullptr);
  }
}

TEST(Threads, ConcurrentCallsGiveTheOneThreadResults) {
  const std::vector<Job> all = jobs();
  const Shared shared;
  const std::string shared_want = shared.results();
  std::vector<int> errors(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      qvxt::Rng rng(t);
      for (int k = 0; k < kJobs; ++k) {
        const Job& j = all[rng() % all.size()];
        if (run(j) != j.digest && ++errors[t] <= 2) {
          ADD_FAILURE() << "thread " << t << ": " << j.row->name << " len " << j.p.len << " sf " << j.p.sf
                        << " differs from the one-thread result";
        }
        if (k % 50 == 0) { EXPECT_EQ(shared.results(), shared_want) << "thread " << t; }
      }
      services(t, 200);
    });
  }
  for (std::thread& th : threads) th.join();
  printf("%d threads, %d calls of random rows each, %d calls on the shared source each\n",
         kThreads, kJobs, kJobs / 50 * 4);
}

// qvx_static_buf is per thread: a thread with the default stack size starts, finds its copy
// zero-filled and 64-byte aligned, and what it writes there no other thread sees.
TEST(Threads, StaticBufferIsPerThread) {
  constexpr size_t kSize = sizeof qvx_static_buf;
  static_assert(kSize == 4194304, "4 MiB");
  std::vector<const Qvx8u*> where(kThreads);
  std::vector<int> ok(kThreads);
  pthread_barrier_t all_written;
  pthread_barrier_init(&all_written, nullptr, kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      where[t] = qvx_static_buf;
      bool zero = reinterpret_cast<uintptr_t>(qvx_static_buf) % 64 == 0;
      for (size_t i = 0; i < kSize; i += 4096) zero = zero && qvx_static_buf[i] == 0;
      zero = zero && qvx_static_buf[kSize - 1] == 0;
      memset(qvx_static_buf, t + 1, kSize);
      pthread_barrier_wait(&all_written);
      bool mine = true;
      for (size_t i = 0; i < kSize; i += 4093) mine = mine && qvx_static_buf[i] == t + 1;
      ok[t] = zero && mine && qvx_static_buf[kSize - 1] == t + 1;
    });
  }
  for (std::thread& th : threads) th.join();
  pthread_barrier_destroy(&all_written);
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_TRUE(ok[t]) << "thread " << t;
    for (int u = 0; u < t; ++u) EXPECT_NE(where[t], where[u]);
  }
}

// The 4 MiB of every thread's static TLS come out of its stack: a thread asking for a stack
// smaller than that cannot be created.
TEST(Threads, StackBelowTheStaticBufferFailsToStart) {
#if defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "ThreadSanitizer's pthread_create enlarges small stacks";
#endif
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  ASSERT_EQ(pthread_attr_setstacksize(&attr, 1 << 20), 0);
  pthread_t th;
  const int rc = pthread_create(&th, &attr, [](void*) -> void* { return nullptr; }, nullptr);
  if (rc == 0) pthread_join(th, nullptr);
  pthread_attr_destroy(&attr);
  EXPECT_NE(rc, 0) << "a thread with a 1 MiB stack started";
}

}  // namespace
