# The two everyday commands: `make run` and `make test`.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
WEB_BUILD ?= build-web
WEB_PORT ?= 8000
FUZZ_SECONDS ?= 60
# Executions per fuzzer; -1 is no limit but FUZZ_SECONDS (0 there is no time limit).
FUZZ_RUNS ?= -1
FUZZ_TARGETS = fuzz_winners fuzz_bmp fuzz_input_script fuzz_settings
# Saves of groar.dat killed at random moments by `make kill-saves` (CI runs 200).
KILL_TRIALS ?= 1000
ARGS ?=
JOBS ?= $(shell nproc)

.PHONY: setup setup-web configure build run test web web-serve web-bench asan-test bench soak kill-saves fuzz clean

setup:
	@bash tools/setup.sh

# What the page and its browser test need besides: emscripten, chromium, npm packages.
setup-web: setup
	@bash tools/setup_web.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKLUMPIX_WEB_SITE=$(abspath $(WEB_BUILD))/site >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/klumpix $(ARGS)

# The browser tools come first: the build looks for them when it is configured.
test: setup-web build web
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The page in $(WEB_BUILD)/site: the core as WebAssembly, with the native
# build's pictures and sounds.
web: setup-web configure
	@cmake --build $(BUILD) --target assets
	@NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=Release -DKLUMPIX_ASSETS_BUILD=$(abspath $(BUILD)) >/dev/null
	@NODE_PATH=/usr/share/nodejs cmake --build $(WEB_BUILD) -j $(JOBS)
	@echo "web: the page is in $(WEB_BUILD)/site"

web-serve: web
	@echo "klumpix: http://127.0.0.1:$(WEB_PORT)/"
	@cd $(WEB_BUILD)/site && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# The busy-game tick natively and as WebAssembly (under Node.js), on the same scene.
web-bench: web
	@cmake --build $(BUILD) --target klumpix_busy_ticks
	@NODE_PATH=/usr/share/nodejs cmake --build $(WEB_BUILD) --target klumpix_busy_ticks
	./$(BUILD)/klumpix_busy_ticks
	node $(WEB_BUILD)/klumpix_busy_ticks.js

asan-test: setup
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKLUMPIX_SANITIZE=ON \
	  -DKLUMPIX_WITH_PLATFORM=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target klumpix_tests
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The long soak: a million ticks of a restless hand under the sanitizers.
soak: setup
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKLUMPIX_SANITIZE=ON \
	  -DKLUMPIX_WITH_PLATFORM=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target klumpix_tests
	SOAK_TICKS=1000000 ./$(ASAN_BUILD)/klumpix_tests --gtest_filter='SoakTest.*'

# Saves of the winners table killed with SIGKILL at random moments; each must
# leave one whole table.
kill-saves: build
	KILL_TRIALS=$(KILL_TRIALS) ./$(BUILD)/klumpix_tests --gtest_filter='WinnersFaults.KilledWhileSaving*'

# Each fuzzer runs FUZZ_SECONDS or FUZZ_RUNS executions, whichever ends first, on a
# working corpus grown from the seeds in fuzz/corpus. The long run by hand:
#   make fuzz FUZZ_SECONDS=0 FUZZ_RUNS=100000000
fuzz: setup
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKLUMPIX_FUZZ=ON -DKLUMPIX_WITH_PLATFORM=OFF -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/artifacts; \
	  echo "fuzz: $$t for $(FUZZ_SECONDS) s, $(FUZZ_RUNS) runs"; \
	  ./$(FUZZ_BUILD)/$$t -max_total_time=$(FUZZ_SECONDS) -runs=$(FUZZ_RUNS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/artifacts/$$t- $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t \
	    >$(FUZZ_BUILD)/$$t.log 2>&1; status=$$?; \
	  grep -E "^(stat::number_of_executed_units|stat::peak_rss|Done )" $(FUZZ_BUILD)/$$t.log; \
	  if [ $$status -ne 0 ]; then tail -n 40 $(FUZZ_BUILD)/$$t.log; exit 1; fi; \
	done

bench: build
	./$(BUILD)/klumpix_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WEB_BUILD)
