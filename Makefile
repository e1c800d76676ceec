# Thin wrapper over CMake.  `make` builds the library and runs the demo; `make test` runs
# the suite; `make sanitize` runs it under AddressSanitizer and UBSan; `make bench`,
# `make bench-full` and `make bench-report` time the library against its baselines;
# `make docs` writes the reference; `make install PREFIX=/some/where` installs library,
# header and packages; `make package` builds a .deb and a .tar.gz.
# Reliability runs: `make fuzz FUZZ_SECONDS=N` (differential fuzzing, Clang), `make tsan`
# (threads under ThreadSanitizer), `make test-large` (arrays beyond 2^31 and 2^32 bytes).
# `make verify-math` checks the single-precision elementary functions against the C library
# on all 2^32 inputs (minutes per function; VERIFY_ARGS=--stratified for the sample that CI
# runs, VERIFY_ARGS=--only=Sin_32F for one function).
BUILD     ?= build
ASAN      ?= build-sanitize
BENCHDIR  ?= build-bench
FUZZDIR   ?= build-fuzz
TSANDIR   ?= build-tsan
FUZZ_SECONDS ?= 60
PREFIX    ?= /usr/local
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE     ?= cmake

.PHONY: all configure test sanitize bench bench-full bench-report bench-build docs package install clean digests fuzz tsan test-large verify-math

all: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target qvx_vector demo
	./$(BUILD)/examples/demo

configure:
	$(CMAKE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX)

test: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize:
	$(CMAKE) -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVX_SANITIZE=ON
	$(CMAKE) --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ctest --output-on-failure -j $(JOBS)

# The differential fuzzer, FUZZ_SECONDS in all, from the committed seeds (new inputs go to
# $(FUZZDIR)/corpus, failing ones to $(FUZZDIR)/crash-*).
fuzz:
	CC=clang CXX=clang++ $(CMAKE) -S . -B $(FUZZDIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVX_SANITIZE=ON -DQVX_FUZZ=ON
	$(CMAKE) --build $(FUZZDIR) -j $(JOBS) --target fuzz_rows
	sh fuzz/run.sh $(FUZZDIR) $(FUZZ_SECONDS)

# Arrays beyond 2^31 and 2^32 bytes (up to 5 GiB at a time), on the baseline library and on
# the best flavour this processor runs.
test-large: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target test_large
	./$(BUILD)/tests/test_large
	for f in x86-64-v4 x86-64-v3; do \
	  if QVX_FLAVOUR=$$f LD_LIBRARY_PATH=$(BUILD)/flavours/$$f ./$(BUILD)/tests/test_large; then break; \
	  elif [ $$? -ne 77 ]; then exit 1; fi; done

# The single-precision elementary functions against their element rule, on the baseline
# library and then on the flavour the loader picks for this processor (both cores each).
verify-math: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target qvx_verify_math qvx_flavours
	$(BUILD)/qvx_verify_math $(VERIFY_ARGS)
	for f in x86-64-v4 x86-64-v3; do \
	  if [ -d $(BUILD)/flavours/$$f ] && /lib64/ld-linux-x86-64.so.2 --help 2>/dev/null | grep -q "$$f (supported"; then \
	    LD_LIBRARY_PATH=$(BUILD)/flavours/$$f $(BUILD)/qvx_verify_math $(VERIFY_ARGS); break; fi; done

# The thread stress test under ThreadSanitizer, on the baseline library alone.
tsan:
	$(CMAKE) -S . -B $(TSANDIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVX_TSAN=ON -DQVX_FLAVOURS=OFF
	$(CMAKE) --build $(TSANDIR) -j $(JOBS) --target test_threads
	TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ./$(TSANDIR)/tests/test_threads

bench-build:
	$(CMAKE) -S . -B $(BENCHDIR) -DCMAKE_BUILD_TYPE=Release -DQVX_BUILD_TESTS=OFF -DQVX_BUILD_BENCH=ON
	$(CMAKE) --build $(BENCHDIR) -j $(JOBS)
	@test -x $(BENCHDIR)/bench/bench_x86-64 || { echo "Google Benchmark is missing (Debian: apt-get install libbenchmark-dev)"; exit 1; }

# The representative set on the flavour the system loader picks for this processor (the
# library users get), in about a minute and a half, ending with one table.  BENCH_ARGS go to
# the program (for example --qvx_sizes=4096 or --benchmark_filter=Add).
bench: bench-build
	@for f in x86-64-v4 x86-64-v3 x86-64; do \
	  ./$(BENCHDIR)/bench/bench_$$f --qvx_sizes=4096,65536,1048576 --qvx_sfs=-1 \
	    --benchmark_min_time=0.05 $(BENCH_ARGS) > $(BENCHDIR)/bench.out; rc=$$?; \
	  if [ $$rc -ne 77 ]; then cat $(BENCHDIR)/bench.out; exit $$rc; fi; done

# Every function, size and scale factor on every flavour the processor runs, with every
# baseline (also the loop compiled one element at a time).  Takes a long while.
bench-full: bench-build
	@for f in x86-64 x86-64-v3 x86-64-v4; do \
	  ./$(BENCHDIR)/bench/bench_$$f --qvx_set=all --qvx_columns=full --benchmark_min_time=0.05 \
	    $(BENCH_ARGS) || [ $$? -eq 77 ] || exit 1; done

# doc/benchmarks/report.md with plots of time per element against size, every flavour
# beside the baselines (needs gnuplot: apt-get install gnuplot-nox).
bench-report: bench-build
	@command -v gnuplot >/dev/null || { echo "bench-report draws with gnuplot: apt-get install gnuplot-nox"; exit 1; }
	sh bench/report.sh $(BENCHDIR) doc/benchmarks

docs: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target docs

package: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target qvx_vector qvx_flavours
	cd $(BUILD) && cpack

install: configure
	$(CMAKE) -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target qvx_vector qvx_flavours
	$(CMAKE) --install $(BUILD) --prefix $(PREFIX)

# Rewrites tests/golden/digests.txt from the baseline library: only when a rule changes.
digests: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target test_golden
	QVX_UPDATE_DIGESTS=1 ./$(BUILD)/tests/test_golden --gtest_filter=Digests.Update

clean:
	rm -rf $(BUILD) $(ASAN) $(BENCHDIR) $(FUZZDIR) $(TSANDIR)
