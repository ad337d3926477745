# The two everyday commands: `make run` and `make test`.
BUILD ?= build
ASAN_BUILD ?= build-asan
ARGS ?=
JOBS ?= $(shell nproc)

.PHONY: setup build run test asan-test bench soak fuzz clean

setup:
	@bash tools/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/klumpix $(ARGS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

asan-test: setup
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKLUMPIX_SANITIZE=ON \
	  -DKLUMPIX_WITH_PLATFORM=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target klumpix_tests
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/klumpix_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
