# The two commands a new user needs:
#   make run    installs what is missing, builds Quillfen and starts it
#   make test   installs what is missing, builds everything and runs every test headless
# CI also runs `make test-binaries`, `make format-check`, `make test-sanitize`, `make soak`
# and `make fuzz`.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
SOAK_SEQUENCES ?= 10000
JOBS ?= $(shell nproc)
# The tree builds without a warning; every build made here keeps it so.
CONFIGURE = cmake -G Ninja -DQUILLFEN_WERROR=ON

.PHONY: run test test-binaries test-sanitize soak fuzz format-check deps clean

# Installs the Debian packages that are missing; where nothing can be installed,
# names what the build lacks and lets it go on.
deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	$(CONFIGURE) -S . -B $(BUILD)

run: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target quillfen
	exec $(BUILD)/bin/quillfen

test: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Each test binary once whole, as a developer runs one while debugging: CTest gives
# every test a process of its own, so only this shows a test that needs a fresh one.
# TEST_BINARY_FLAGS passes more, e.g. --gtest_shuffle.
TEST_BINARY_FLAGS ?=
test-binaries: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)
	@failed=""; \
	for suite in $(BUILD)/bin/*_tests; do \
		echo "== $$suite"; \
		QT_QPA_PLATFORM=offscreen $$suite --gtest_brief=1 $(TEST_BINARY_FLAGS) || failed="$$failed $$suite"; \
	done; \
	if [ -n "$$failed" ]; then echo "failed when run whole:$$failed"; exit 1; fi

# LeakSanitizer does not follow the dynamic thread-local storage of libraries
# that are loaded later (intercept_tls_get_addr=0): with this glibc its scan of
# that storage can crash at exit, depending on where a binary's data lies.
SANITIZER_ENV = QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: deps
	$(CONFIGURE) -S . -B $(SANITIZE_BUILD) -DQUILLFEN_SANITIZE=ON -DQUILLFEN_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# The three tool windows in the sanitizer build, each driven through SOAK_SEQUENCES random
# input sequences; QUILLFEN_SOAK_SEED=<the printed seed> repeats a run.
soak: deps
	$(CONFIGURE) -S . -B $(SANITIZE_BUILD) -DQUILLFEN_SANITIZE=ON -DQUILLFEN_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target windows_tests
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) QUILLFEN_SOAK_SEQUENCES=$(SOAK_SEQUENCES) \
		bin/windows_tests --gtest_filter='Soak*'

fuzz: deps
	$(CONFIGURE) -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DQUILLFEN_FUZZ=ON \
		-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link"
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for fuzzer in $(FUZZ_BUILD)/bin/*_fuzzer; do \
		name=$$(basename $$fuzzer _fuzzer); \
		mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
		echo "== $$name for $(FUZZ_SECONDS) s"; \
		$$fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ_BUILD)/corpus/$$name fuzz/corpus/$$name || exit 1; \
	done

format-check: deps
	scripts/check-format.sh

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
