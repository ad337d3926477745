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
# Games of the restless hand that `make web-agree` plays natively and as
# WebAssembly, and their length in ticks.
AGREE_SCRIPTS ?= 500
AGREE_TICKS ?= 20000
# Runs of each benchmark per side in `make bench-compare`, and which benchmarks.
BENCH_REPETITIONS ?= 3
BENCH_FILTER ?= .
JOBS ?= $(shell nproc)
# Where `make deb` leaves the package.
DEB_DIR ?= build-deb
SETUP = bash tools/setup.sh
# Our own builds stop on any warning; a packager's build (plain cmake) does not.
WERROR = -DKLUMPIX_WERROR=ON

.PHONY: setup setup-test setup-gtest setup-web configure build run test web web-serve web-bench \
	web-agree asan-test bench bench-compare world-load soak kill-saves replay-record fuzz compilers deb \
	deb-check clean

# Each target installs what it needs (tools/setup.sh names the groups): `make run`
# only what builds the game.
setup:
	@$(SETUP) build

setup-test:
	@$(SETUP) build test web

# GoogleTest and Google Benchmark, for the targets that run them without the page.
setup-gtest:
	@$(SETUP) build test

# What the page needs besides: emscripten, chromium, the test's npm packages.
setup-web:
	@$(SETUP) build web

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR) \
	  -DKLUMPIX_WEB_SITE=$(abspath $(WEB_BUILD))/site

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/klumpix $(ARGS)

# The test tools come first: the build looks for them when it is configured.
test: setup-test build web
	ctest --test-dir $(BUILD) --output-on-failure --no-tests=error -j $(JOBS)

# The page in $(WEB_BUILD)/site: the core as WebAssembly, with the native
# build's pictures and sounds.
web: setup-web configure
	@cmake --build $(BUILD) --target assets
	@NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=Release $(WERROR) -DKLUMPIX_ASSETS_BUILD=$(abspath $(BUILD))
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

# Native and WebAssembly play the same games of the restless hand, each
# output byte for byte the same: AGREE_SCRIPTS games of AGREE_TICKS ticks.
web-agree: setup-gtest web
	@cmake --build $(BUILD) --target klumpix_hand_scripts
	KLUMPIX_NO_SKIPS=1 bash tests/web/agree.sh node $(WEB_BUILD)/klumpix_node.js $(BUILD)/klumpix \
	  $(BUILD)/res $(BUILD)/klumpix_hand_scripts --hand $(AGREE_SCRIPTS) $(AGREE_TICKS)

asan-test:
	@$(SETUP) build test
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKLUMPIX_SANITIZE=ON $(WERROR) \
	  -DKLUMPIX_WITH_PLATFORM=OFF
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target klumpix_tests
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The long soak: a million ticks of a restless hand under the sanitizers.
soak:
	@$(SETUP) build test
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKLUMPIX_SANITIZE=ON $(WERROR) \
	  -DKLUMPIX_WITH_PLATFORM=OFF
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target klumpix_tests
	SOAK_TICKS=1000000 ./$(ASAN_BUILD)/klumpix_tests --gtest_filter='SoakTest.*'

# Saves of the winners table killed with SIGKILL at random moments; each must
# leave one whole table.
kill-saves: setup-gtest build
	KILL_TRIALS=$(KILL_TRIALS) ./$(BUILD)/klumpix_tests --gtest_filter='WinnersFaults.KilledWhileSaving*'

# Each fuzzer runs FUZZ_SECONDS or FUZZ_RUNS executions, whichever ends first, on a
# working corpus grown from the seeds in fuzz/corpus. The long run by hand:
#   make fuzz FUZZ_SECONDS=0 FUZZ_RUNS=100000000
fuzz:
	@$(SETUP) build fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR) \
	  -DKLUMPIX_FUZZ=ON -DKLUMPIX_WITH_PLATFORM=OFF -DBUILD_TESTING=OFF
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

bench: setup-gtest build
	./$(BUILD)/klumpix_bench

# The benchmarks of BASE (a commit) and of this tree in one run, the ratio of
# the medians per benchmark both have: make bench-compare BASE=main
bench-compare: setup-gtest build
	@test -n "$(BASE)" || { echo "bench-compare: name the base, BASE=<commit>"; exit 1; }
	cmake --build $(BUILD) --target klumpix_busy_ticks
	@bash tools/bench_compare.sh $(BASE) $(abspath $(BUILD))/klumpix_bench build-bench-base \
	  $(BENCH_REPETITIONS) '$(BENCH_FILTER)'

# The world table under load: 50 clients, 30 s, over SQLite and PostgreSQL.
world-load: setup-test build
	@cmake --build $(BUILD) --target klumpix_world_load
	bash tools/world_load.sh $(BUILD) 50 30

# After a change meant to alter the game: records the fingerprints of the
# sessions in tests/replay anew (the whole outputs, every line of them and
# every tick's picture).
replay-record: setup-gtest build
	KLUMPIX_REPLAY_RECORD=1 ./$(BUILD)/klumpix_tests --gtest_filter='Replay.*:*ReplayPictures.*'
	git diff --stat tests/replay

# The whole project (tests too) with the other compiler and build types, warnings
# as errors: g++ Release and clang RelWithDebInfo, compiled only.
compilers:
	@$(SETUP) build test compilers
	@cmake -S . -B build-gcc-release -G Ninja -DCMAKE_BUILD_TYPE=Release $(WERROR)
	@cmake --build build-gcc-release -j $(JOBS)
	@CC=clang CXX=clang++ cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $(WERROR)
	@cmake --build build-clang -j $(JOBS)

# The Debian package, built by Debian's own tools, into $(DEB_DIR).
deb:
	@$(SETUP) build package
	@bash tools/build_deb.sh $(DEB_DIR)

# The package's checks: lintian, the metadata, the man page, the unpacked game.
deb-check: deb
	@bash tests/package/deb_check.sh $(DEB_DIR)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WEB_BUILD) $(FUZZ_BUILD) $(DEB_DIR) build-gcc-release build-clang
	-git worktree remove --force build-bench-base/tree 2>/dev/null
	rm -rf build-bench-base
