# Thin wrapper over CMake.  `make` builds the library and runs the demo; `make test` runs
# the suite; `make sanitize` runs it under AddressSanitizer and UBSan; `make bench` runs
# the benchmarks; `make install PREFIX=/some/where` installs library, header and packages.
BUILD     ?= build
ASAN      ?= build-sanitize
BENCHDIR  ?= build-bench
PREFIX    ?= /usr/local
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE     ?= cmake

.PHONY: all configure test sanitize bench install clean digests

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

# Every flavour the processor runs, each with its baselines; BENCH_ARGS go to each program
# (for example --qvx_set=all, --qvx_sizes=4096, --benchmark_filter=Add).
bench:
	$(CMAKE) -S . -B $(BENCHDIR) -DCMAKE_BUILD_TYPE=Release -DQVX_BUILD_TESTS=OFF -DQVX_BUILD_BENCH=ON
	$(CMAKE) --build $(BENCHDIR) -j $(JOBS)
	for f in x86-64 x86-64-v3 x86-64-v4; do \
	  ./$(BENCHDIR)/bench/bench_$$f --benchmark_min_time=0.05 $(BENCH_ARGS) || exit 1; done

install: configure
	$(CMAKE) -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target qvx_vector
	$(CMAKE) --install $(BUILD) --prefix $(PREFIX)

# Rewrites tests/golden/digests.txt from the baseline library: only when a rule changes.
digests: configure
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target test_golden
	QVX_UPDATE_DIGESTS=1 ./$(BUILD)/tests/test_golden --gtest_filter=Digests.Update

clean:
	rm -rf $(BUILD) $(ASAN) $(BENCHDIR)
