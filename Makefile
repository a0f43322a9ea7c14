# The two commands a newcomer needs: `make run` and `make test`. Both install what is missing.
BUILD_DIR := build
# Warnings are errors in CI (CI=true) and can be switched on locally with WERROR=ON.
WERROR ?= $(if $(CI),ON,OFF)
JOBS ?= 2

.PHONY: run test build deps clean format format-check configure package bench

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

deps:
	bash scripts/install-deps.sh

# Start-up against a bare Qt window, the CLI against cat, and the Google Benchmarks; not part of
# `make test`, whose figures would depend on the machine's load.
bench: configure
	bash scripts/install-deps.sh --bench
	cmake --build $(BUILD_DIR) -j $(JOBS)
	bash bench/run $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) build-debug build-package

format:
	git ls-files '*.cpp' '*.h' | xargs -r clang-format -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror
