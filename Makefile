# The two set-up commands. Each installs what is missing, configures, builds, then runs.
#   make run    opens the window; without a display, converts a sample with soranagi-cli
#   make test   builds with warnings as errors and runs the whole test suite, then runs it again
#               under the sanitizers and fuzzes every entry point for a bounded time

JOBS ?= $(shell nproc)
RUN_BUILD ?= build/release
TEST_BUILD ?= build/test

.PHONY: run test deps

deps:
	./scripts/install-deps.sh

run: deps
	cmake -S . -B $(RUN_BUILD) -DCMAKE_BUILD_TYPE=Release -DSORANAGI_BUILD_TESTS=OFF -DSORANAGI_BUILD_BENCH=OFF
	cmake --build $(RUN_BUILD) -j $(JOBS)
	@if [ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	  $(RUN_BUILD)/ui/soranagi; \
	else \
	  echo "No display is available for the window; use $(RUN_BUILD)/cli/soranagi-cli, as in this sample:"; \
	  ./scripts/sample.sh $(RUN_BUILD)/cli/soranagi-cli; \
	fi

test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORANAGI_WARNINGS_AS_ERRORS=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	ctest --test-dir $(TEST_BUILD) --output-on-failure -j $(JOBS) --no-tests=error
	$(MAKE) --no-print-directory test-sanitizers
	$(MAKE) --no-print-directory fuzz

# The whole test suite once more, built with AddressSanitizer and UndefinedBehaviorSanitizer; any
# report fails the test that caused it.
ASAN_BUILD ?= build/asan
SANITIZERS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

# Every fuzz target built with clang as a libFuzzer program, and run FUZZ_SECONDS each.
FUZZ_BUILD ?= build/fuzz
FUZZ_SECONDS ?= 30

.PHONY: test-sanitizers fuzz bench

test-sanitizers: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORANAGI_WARNINGS_AS_ERRORS=ON \
	  -DSORANAGI_BUILD_BENCH=OFF "-DCMAKE_CXX_FLAGS=$(SANITIZERS)"
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) --no-tests=error

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DSORANAGI_WARNINGS_AS_ERRORS=ON -DSORANAGI_BUILD_BENCH=OFF -DSORANAGI_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target soranagi_fuzz_targets
	./fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The benchmarks, by hand: the four conversions in the engine, then the converter against iconv.
BENCH_BUILD ?= build/bench

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DSORANAGI_BUILD_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	$(BENCH_BUILD)/bench/soranagi-engine-bench
	./bench/compare-iconv.sh $(BENCH_BUILD)
