// Threads: eight threads call random rows at once, each on guarded buffers of its own, and a
// few functions on one shared read-only source; every result must equal the one-thread
// result.  The services run concurrently alongside.  Built with ThreadSanitizer (make tsan),
// any data race fails the run.
#include <gtest/gtest.h>
#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// ---- the stack a thread keeps beside its 4 MiB of thread-local storage -----------------

// Bytes of stack below the caller's frame in the calling thread.
long stack_left() {
  pthread_attr_t attr;
  void* low = nullptr;
  size_t size = 0;
  pthread_getattr_np(pthread_self(), &attr);
  pthread_attr_getstack(&attr, &low, &size);
  pthread_attr_destroy(&attr);
  char here;
  return static_cast<long>(reinterpret_cast<uintptr_t>(&here) - reinterpret_cast<uintptr_t>(low));
}

// Uses about n KiB of stack, one frame of 1 KiB per call, as nested calls do.
__attribute__((noinline)) int dive(int n) {
  volatile char frame[1024];
  for (int i = 0; i < 1024; i += 64) frame[i] = static_cast<char>(n);
  return n == 0 ? frame[0] : dive(n - 1) + frame[64];
}

// This test program run again, with only the test `name` and QVX_STACK_CHILD=mode, under a
// soft stack limit of `limit` bytes: glibc fixes the default stack size of threads from the
// limit when a program starts.  Returns the wait status; *out gets the standard output.
int run_again(const char* name, const char* mode, rlim_t limit, std::string* out) {
  int fd[2];
  if (pipe(fd) != 0) return -1;
  const std::string filter = std::string("--gtest_filter=") + name;
  setenv("QVX_STACK_CHILD", mode, 1);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(fd[1], 1);
    close(fd[0]);
    close(fd[1]);
    rlimit r;
    getrlimit(RLIMIT_STACK, &r);
    r.rlim_cur = limit;
    setrlimit(RLIMIT_STACK, &r);
    const rlimit no_core = {0, 0};
    setrlimit(RLIMIT_CORE, &no_core);  // the crash expected below leaves no core file
    execl("/proc/self/exe", "test_threads", filter.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  unsetenv("QVX_STACK_CHILD");
  close(fd[1]);
  char buf[4096];
  for (ssize_t n; (n = read(fd[0], buf, sizeof buf)) > 0;) out->append(buf, static_cast<size_t>(n));
  close(fd[0]);
  int status = -1;
  waitpid(pid, &status, 0);
  return status;
}

// With the library linked, glibc takes each thread's copy of qvx_static_buf out of its stack.
// Under a stack limit of 4 MiB, a thread of the default size (std::thread) still starts, with
// under 8 KiB of stack, and 64 KiB of nested calls kill it with SIGSEGV; a size of its own
// of 4 MiB + 1 MiB, or that size made the default with pthread_setattr_default_np, leaves
// it 1 MiB; under a limit of 12 MiB the default leaves about 8 MiB, and with no limit it
// is as small as under 4 MiB.
TEST(Threads, StackLimitAndTheStaticBuffer) {
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__) || defined(QVX_SANITIZED)
  GTEST_SKIP() << "the sanitizers' pthread_create and fake stacks change the stack a thread gets";
#endif
  constexpr size_t kTls = 4 << 20, kMiB = 1 << 20;
  const char* mode = getenv("QVX_STACK_CHILD");
  if (mode != nullptr && strcmp(mode, "deep") == 0) {
    std::thread([] { printf("dive %d\n", dive(64)); }).join();
    return;
  }
  if (mode != nullptr) {  // "measure"
    long by_default = 0, own = 0, new_default = 0;
    size_t default_size = 0;
    pthread_attr_t attr;
    pthread_getattr_default_np(&attr);
    pthread_attr_getstacksize(&attr, &default_size);
    pthread_attr_destroy(&attr);
    std::thread([&] { by_default = stack_left(); }).join();
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, kTls + kMiB);
    pthread_t th;
    ASSERT_EQ(pthread_create(&th, &attr, [](void* p) -> void* {
      *static_cast<long*>(p) = stack_left();
      return nullptr;
    }, &own), 0);
    pthread_join(th, nullptr);
    ASSERT_EQ(pthread_setattr_default_np(&attr), 0);
    pthread_attr_destroy(&attr);
    std::thread([&] { new_default = stack_left(); }).join();
    printf("QVX_STACK %zu %ld %ld %ld\n", default_size, by_default, own, new_default);
    return;
  }
  rlimit r;
  ASSERT_EQ(getrlimit(RLIMIT_STACK, &r), 0);
  if (r.rlim_max != RLIM_INFINITY && r.rlim_max < 3 * kTls) GTEST_SKIP() << "the hard stack limit is below 12 MiB";
  const auto measure = [&](rlim_t limit, size_t* size, long* by_default, long* own, long* new_default) {
    std::string out;
    const int status = run_again("Threads.StackLimitAndTheStaticBuffer", "measure", limit, &out);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status << "\n" << out;
    const size_t at = out.find("QVX_STACK ");
    ASSERT_NE(at, std::string::npos) << out;
    ASSERT_EQ(sscanf(out.c_str() + at, "QVX_STACK %zu %ld %ld %ld", size, by_default, own, new_default), 4) << out;
  };
  size_t size;
  long by_default, own, new_default;
  measure(kTls, &size, &by_default, &own, &new_default);
  EXPECT_GT(size, kTls) << "glibc raises the default to hold the thread-local storage";
  EXPECT_LE(size, kTls + 64 * 1024);
  EXPECT_GT(by_default, 0);
  EXPECT_LT(by_default, 8 * 1024) << "a default thread under a 4 MiB limit";
  EXPECT_GT(own, static_cast<long>(kMiB) - 64 * 1024) << "a thread of 4 MiB + 1 MiB";
  EXPECT_LE(own, static_cast<long>(kMiB));
  EXPECT_GT(new_default, static_cast<long>(kMiB) - 64 * 1024) << "after pthread_setattr_default_np(4 MiB + 1 MiB)";
  EXPECT_LE(new_default, static_cast<long>(kMiB));

  std::string out;
  const int status = run_again("Threads.StackLimitAndTheStaticBuffer", "deep", kTls, &out);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGSEGV)
      << "64 KiB of calls in a default thread under a 4 MiB limit: status " << status << "\n" << out;

  const long small = by_default;

  measure(3 * kTls, &size, &by_default, &own, &new_default);
  EXPECT_EQ(size, 3 * kTls);
  EXPECT_GT(by_default, static_cast<long>(8 * kMiB) - 64 * 1024) << "a default thread under a 12 MiB limit";
  EXPECT_LE(by_default, static_cast<long>(8 * kMiB));
  printf("default thread: %ld bytes of stack under a 4 MiB limit, %ld under 12 MiB\n", small, by_default);

  // No limit at all: glibc then takes a default of 2 MiB, too small as well.
  if (r.rlim_max == RLIM_INFINITY) {
    measure(RLIM_INFINITY, &size, &by_default, &own, &new_default);
    EXPECT_LT(by_default, 8 * 1024) << "a default thread with an unlimited stack limit";
  }
}

}  // namespace
