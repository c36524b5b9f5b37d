# make run   installs what is missing, builds and starts Lockwell
# make test  installs what is missing, builds and runs every test
# make package  builds the Debian package lockwell_VERSION_ARCH.deb in the build folder
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: deps configure build run test bench clean test-sanitize check-format package check-package

deps:
	@bash tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/app/lockwell

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole suite in a build that stops at the first memory or undefined-behaviour fault.
SANITIZE_BUILD ?= build-sanitize
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DLOCKWELL_SANITIZE=ON -DLOCKWELL_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=halt_on_error=1:detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# Fails when a source file is not formatted as .clang-format says.
check-format: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# The Debian package, made by CPack from the release build.
package: build
	cd $(BUILD) && cpack

# Installs into a temporary folder and validates the menu entry and the
# AppStream metadata; builds and lints the package, installs it, starts the
# program from its menu entry and removes the package.
check-package: deps
	BUILD=$(BUILD) bash tools/check-package.sh

bench: build
	./$(BUILD)/bench/lockwell_bench

clean:
	rm -rf $(BUILD)
