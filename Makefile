# Thin wrapper over CMake presets; every target installs missing packages first.
JOBS ?= $(shell nproc)

.PHONY: deps build test test-asan demo bench screenshot clean

deps:
	bash scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

test: build
	ctest --preset default -j $(JOBS)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

demo: build
	bash scripts/demo.sh build

bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	bash scripts/bench.sh build-release

screenshot: build
	CAPTURA=1 bash scripts/demo.sh build

clean:
	rm -rf build build-asan build-release

# Frame-receive fuzzer (clang, libFuzzer, ASan, UBSan) in its own folder, run for FUZZ_SECONDS.
FUZZ_SECONDS ?= 300
.PHONY: fuzz
fuzz:
	bash scripts/install-deps.sh fuzz
	cmake -S tests/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS)
	mkdir -p build-fuzz/corpus
	build-fuzz/fuzz_receber_quadro -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  build-fuzz/corpus tests/fuzz/corpus
