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
FUZZDIR   ?= build-fuzz
TSANDIR   ?= build-tsan
ABIDIR    ?= build-abi
AARCH64   ?= build-aarch64
FUZZ_SECONDS ?= 60
PREFIX    ?= /usr/local
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE     ?= cmake
# The flavours' instruction-set levels, best first, for the recipes' shell loops: CMake writes
# them into the build tree from its list of levels when it configures.
LEVELS     = $$(cat $(BUILD)/qvx_levels.txt)

.PHONY: all configure test test-all sanitize bench bench-cxx bench-full bench-report bench-build docs package install clean digests cxx-rows fuzz tsan test-large abi-build abi-check abi-dump verify-math test-aarch64

all: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target qvx_vector demo
	./$(BUILD)/examples/demo

configure:
	$(CMAKE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX)

# make test: the baseline and the flavour this processor's loader picks; make test-all: every
# flavour and register width, and the portable vector layer at each of its widths (what CI
# runs).  A test that cannot run here says why at the end.
test: configure
	$(CMAKE) -S . -B $(BUILD) -DQVX_TEST_FLAVOURS=best
	$(CMAKE) --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@sh tests/skipped.sh $(BUILD)

# CTEST_EXCLUDE: a regular expression of tests to leave out (CI leaves out what make test has
# just run on the same build).
test-all: configure
	$(CMAKE) -S . -B $(BUILD) -DQVX_TEST_FLAVOURS=all
	$(CMAKE) --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) $(if $(CTEST_EXCLUDE),-E '$(CTEST_EXCLUDE)')
	@sh tests/skipped.sh $(BUILD)

# The library cross-built for 64-bit ARM on the portable vector layer, with its element-loop
# build, each test program run under qemu-aarch64: the golden digests (the portable record,
# which x86-64 builds are held to as well), the generic sweep and the layer test.  Needs
# g++-aarch64-linux-gnu, qemu-user and googletest (GoogleTest's sources, built for ARM here).
# 7 to 8 minutes on two cores: not in .ci/run.
test-aarch64:
	$(CMAKE) -S . -B $(AARCH64) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/aarch64-linux-gnu.cmake -DQVX_GTEST_SOURCE=/usr/src/googletest
	$(CMAKE) --build $(AARCH64) -j $(JOBS) --target test_golden test_sweep test_simd
	cd $(AARCH64) && ctest --output-on-failure -j $(JOBS) -R '^(golden|sweep|simd)$$'

sanitize:
	$(CMAKE) -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVX_SANITIZE=ON -DQVX_TEST_FLAVOURS=all
	$(CMAKE) --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ctest --output-on-failure -j $(JOBS) -E '^golden'

# The differential fuzzer, FUZZ_SECONDS in all, from the committed seeds (new inputs go to
# $(FUZZDIR)/corpus, failing ones to $(FUZZDIR)/crash-*).
fuzz:
	CC=clang CXX=clang++ $(CMAKE) -S . -B $(FUZZDIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVX_SANITIZE=ON -DQVX_FUZZ=ON -DQVX_TEST_FLAVOURS=all
	$(CMAKE) --build $(FUZZDIR) -j $(JOBS) --target fuzz_rows
	sh fuzz/run.sh $(FUZZDIR) $(FUZZ_SECONDS)

# Arrays beyond 2^31 and 2^32 bytes (up to 5 GiB at a time), on the baseline library and on
# the best flavour this processor runs.
test-large: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target test_large
	./$(BUILD)/tests/test_large
	for f in $(LEVELS); do \
	  if QVX_FLAVOUR=$$f LD_LIBRARY_PATH=$(BUILD)/flavours/$$f ./$(BUILD)/tests/test_large; then break; \
	  elif [ $$? -ne 77 ]; then exit 1; fi; done

# The single-precision elementary functions against their element rule, on the baseline
# library and then on the flavour the loader picks for this processor (both cores each).
verify-math: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target qvx_verify_math qvx_flavours
	$(BUILD)/qvx_verify_math $(VERIFY_ARGS)
	for f in $(LEVELS); do \
	  if [ -d $(BUILD)/flavours/$$f ] && /lib64/ld-linux-x86-64.so.2 --help 2>/dev/null | grep -q "$$f (supported"; then \
	    LD_LIBRARY_PATH=$(BUILD)/flavours/$$f $(BUILD)/qvx_verify_math $(VERIFY_ARGS); break; fi; done

# The thread stress test under ThreadSanitizer, on the baseline library alone.
tsan:
	$(CMAKE) -S . -B $(TSANDIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVX_TSAN=ON -DQVX_FLAVOURS=OFF
	$(CMAKE) --build $(TSANDIR) -j $(JOBS) --target test_threads
	TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ./$(TSANDIR)/tests/test_threads

# The benchmarks share build/ with everything else (configured with them where Google
# Benchmark is installed); their programs are built only by these targets.
bench-build:
	@test -f /usr/include/benchmark/benchmark.h || { echo "Google Benchmark is missing (Debian: apt-get install libbenchmark-dev)"; exit 1; }
	$(CMAKE) -S . -B $(BUILD) -DQVX_BUILD_BENCH=ON

# The representative set on the flavour the system loader picks for this processor (the
# library users get), ending with one table: about two minutes on a fresh clone (building the
# flavour and the program, then a minute and a half of timing).  BENCH_ARGS go to the program
# (for example --qvx_sizes=4096 or --benchmark_filter=Add).
bench: bench-build
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target bench_best
	@sh $(BUILD)/bench/bench_best.sh --qvx_sizes=4096,65536,1048576 --qvx_sfs=-1 \
	  --benchmark_min_time=0.05 $(BENCH_ARGS)

# The C++ interface against the C calls it makes, 1024 and 65536 elements, on the flavour the
# loader picks from a glibc-hwcaps tree of the build's libraries (as after make install).
bench-cxx: bench-build
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target bench_cxx qvx_flavours
	@rm -rf $(BUILD)/hwcaps && mkdir -p $(BUILD)/hwcaps/glibc-hwcaps && \
	  ln -s $(abspath $(BUILD))/libqvx_vector.so $(BUILD)/hwcaps/ && \
	  for f in $(LEVELS); do if [ -d $(BUILD)/flavours/$$f ]; then \
	    ln -s $(abspath $(BUILD))/flavours/$$f $(BUILD)/hwcaps/glibc-hwcaps/; fi; done
	LD_LIBRARY_PATH=$(BUILD)/hwcaps ./$(BUILD)/bench/bench_cxx

# Every function, size and scale factor on every flavour the processor runs, with every
# baseline (also the loop compiled one element at a time).  Takes a long while.
bench-full: bench-build
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target bench_all
	@for f in $(BUILD)/bench/bench_x86-64*; do \
	  $$f --qvx_set=all --qvx_columns=full --benchmark_min_time=0.05 \
	    $(BENCH_ARGS) || [ $$? -eq 77 ] || exit 1; done

# doc/benchmarks/report.md with plots of time per element against size, every flavour
# beside the baselines, and a table of the single-precision elementary functions against the
# loop and the peers (needs gnuplot: apt-get install gnuplot-nox).
bench-report: bench-build
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target bench_all
	@command -v gnuplot >/dev/null || { echo "bench-report draws with gnuplot: apt-get install gnuplot-nox"; exit 1; }
	sh bench/report.sh $(BUILD) doc/benchmarks

docs: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target docs

package: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target qvx_vector qvx_flavours
	cd $(BUILD) && cpack

install: configure
	$(CMAKE) -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target qvx_vector qvx_flavours
	$(CMAKE) --install $(BUILD) --prefix $(PREFIX)

# Rewrites tests/golden/digests.txt (exact and portable digests) from the baseline library: only
# when a rule changes.
digests: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target test_golden
	QVX_UPDATE_DIGESTS=1 ./$(BUILD)/tests/test_golden --gtest_filter=Digests.Update

# The ABI against abi/qvx_vector.abi (libabigail: apt-get install abigail-tools), from a build
# with debug information: the baseline library and every flavour; any change but a pure
# addition fails.  abi-dump rewrites the baseline, for a release that adds to the ABI.
abi-build:
	$(CMAKE) -S . -B $(ABIDIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVX_BUILD_TESTS=OFF
	$(CMAKE) --build $(ABIDIR) -j $(JOBS) --target qvx_vector qvx_flavours

abi-check: abi-build
	sh tools/abi.sh check $(ABIDIR)

abi-dump: abi-build
	sh tools/abi.sh dump $(ABIDIR)

# Rewrites include/qvx/vector_rows.inc, the C++ interface's list of the table's functions.
cxx-rows: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target cxx-rows

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZDIR) $(TSANDIR) $(ABIDIR) $(AARCH64)
