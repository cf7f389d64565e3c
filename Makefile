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
	bash scripts/screenshot.sh build

clean:
	rm -rf build build-asan build-release
