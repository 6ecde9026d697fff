# The two commands a new user needs:
#   make run    installs what is missing, builds Quillfen and starts it
#   make test   installs what is missing, builds everything and runs every test headless
# CI also runs `make test-sanitize` and `make fuzz`.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)

.PHONY: run test test-sanitize fuzz deps clean

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja

run: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)
	@if [ -x $(BUILD)/bin/quillfen ]; then exec $(BUILD)/bin/quillfen; \
	else echo "The quillfen program is not built yet: only its framework and formulas exist so far."; exit 1; fi

test: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DQUILLFEN_SANITIZE=ON -DQUILLFEN_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DQUILLFEN_FUZZ=ON \
		-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link"
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for fuzzer in $(FUZZ_BUILD)/bin/*_fuzzer; do \
		name=$$(basename $$fuzzer _fuzzer); \
		mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
		echo "== $$name for $(FUZZ_SECONDS) s"; \
		$$fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ_BUILD)/corpus/$$name fuzz/corpus/$$name || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
