# make run   installs what is missing, builds and starts Lockwell
# make test  installs what is missing, builds and runs every test
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: deps configure build run test bench clean test-sanitize check-format

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

bench: build
	./$(BUILD)/bench/lockwell_bench

clean:
	rm -rf $(BUILD)
