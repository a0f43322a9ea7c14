# The two commands a newcomer needs: `make run` and `make test`. Both install what is missing.
BUILD_DIR := build
# Warnings are errors in CI (CI=true) and can be switched on locally with WERROR=ON.
WERROR ?= $(if $(CI),ON,OFF)
JOBS ?= 2
# Seconds of fuzzing per target for `make fuzz`.
FUZZ_SECONDS ?= 60

.PHONY: run test build deps clean format format-check configure package bench sanitize fuzz

run: build
	./$(BUILD_DIR)/bin/birchcfg

test: build format-check
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	cmake --preset default -DBIRCH_WERROR=$(WERROR)

# The .deb, from a Release build of the two programs alone (build-package/birchcfg_*.deb).
package: deps
	cmake --preset package -DBIRCH_WERROR=$(WERROR)
	cmake --build --preset package -j $(JOBS)

# AddressSanitizer and UBSan (leaks included) over the logic tests, the command-line tests and
# the corpus replays, in build-sanitize. Warnings are the normal build's business: gcc warns
# wrongly about instrumented code.
sanitize: deps
	cmake --preset sanitize -DBIRCH_WERROR=OFF
	cmake --build build-sanitize -j $(JOBS) --target core_tests cli_tests load_tests fuzz_targets
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS) -L sanitize

# Real fuzzing with libFuzzer, FUZZ_SECONDS per target (build-fuzz); see scripts/fuzz.sh.
fuzz: deps
	bash scripts/install-fuzz-deps.sh
	cmake --preset fuzz
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	bash scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

deps:
	bash scripts/install-deps.sh

# Start-up against a bare Qt window, the CLI against cat, and the Google Benchmarks; not part of
# `make test`, whose figures would depend on the machine's load.
bench: configure
	bash scripts/install-deps.sh xvfb
	cmake --build $(BUILD_DIR) -j $(JOBS)
	bash bench/run $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) build-debug build-package build-sanitize build-fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs -r clang-format -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror
