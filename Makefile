# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_JOBS    ?= 1

.PHONY: all setup build programs build-asan run test test-fast test-tsan clean fuzz fuzz-ci install package format format-check soak

all: build

setup:
	@./scripts/setup.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTAVOLIN_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null

build: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# Only what `run` and `install` use: the tests are built by `test` and `test-fast`.
programs: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target tavolin tavolin-cli

build-asan: setup $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: programs
	./scripts/run.sh $(BUILD)

# Every test, in the normal build and again under ASan + UBSan; the thread
# test of the Qt-free layers under TSan.
test: build build-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-tsan

# The editor under ASan + UBSan and random real input (not part of `test`).
soak: setup
	ASAN_BUILD=$(ASAN_BUILD) ./scripts/soak.sh

# Only the layers without Qt (Qt is not instrumented) and the one test.
test-tsan:
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DTAVOLIN_TSAN=ON $(CMAKE_FLAGS) >/dev/null
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target open_race_test tile_race_test
	cd $(TSAN_BUILD) && ctest --output-on-failure

test-fast: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# libFuzzer with ASan + UBSan (clang), in $(FUZZ_BUILD): every target for
# FUZZ_SECONDS each (FUZZ_JOBS at a time); fuzz-ci gives each 20 seconds.
# Both fail on any finding and keep it in $(FUZZ_BUILD)/fuzz-artifacts/.
fuzz: setup
	FUZZ_BUILD=$(FUZZ_BUILD) FUZZ_JOBS=$(FUZZ_JOBS) JOBS=$(JOBS) ./tests/fuzz/run.sh $(FUZZ_SECONDS)

fuzz-ci: setup
	FUZZ_BUILD=$(FUZZ_BUILD) FUZZ_JOBS=$(FUZZ_JOBS) JOBS=$(JOBS) ./tests/fuzz/run.sh 20

# PREFIX=/usr/local by default; DESTDIR is honoured for packaging.
PREFIX ?= /usr/local
install: programs
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of what `install` installs, under /usr: $(BUILD)/tavolin_*.deb.
package: programs
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD)

# Benchmarks in a separate Release build; prints the tables of bench/RESULTS.md.
BENCH_BUILD ?= build-bench
.PHONY: bench
bench: setup
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTAVOLIN_BENCH=ON -DBUILD_TESTING=OFF $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tavolin-bench tavolin-gen
	QT_QPA_PLATFORM=offscreen ./$(BENCH_BUILD)/tavolin-bench $(BENCH_ARGS)

# The sources as .clang-format wants them (Debian 12's clang-format 14).
FORMATTED = $(shell git ls-files 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h')
format: setup
	clang-format -i $(FORMATTED)

format-check: setup
	@clang-format --dry-run --Werror $(FORMATTED) 2>/dev/null || \
	    { echo "The formatting differs from .clang-format; fix it with: make format" >&2; exit 1; }
