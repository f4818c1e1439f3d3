# The two set-up commands. Each installs what is missing, configures, builds, then runs.
#   make run    opens the window; without a display, converts a sample with soranagi-cli
#   make test   builds with warnings as errors and runs the whole test suite

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
