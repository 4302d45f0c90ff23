# Wraps CMake. `make test` installs what is missing, builds into build/ and
# runs every test; `make test-sanitize` runs them again under ASan and UBSan
# (built with clang, together with the fuzz targets).

BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps build test build-sanitize test-sanitize demo package screenshots bench clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build build -j $(JOBS)

test: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

build-sanitize: deps
	CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug \
		-DTUNEMILL_SANITIZE=ON -DTUNEMILL_FUZZ=ON
	cmake --build build-sanitize -j $(JOBS)

test-sanitize: build-sanitize
	ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

# Publishes the demo, then serves it on loopback until Ctrl+C.
demo: build
	rm -rf demo/output
	build/tunemill-publish --demo --serve --folder demo

# Pictures of the wizard's five pages, taken under Xvfb, into build/screenshots.
screenshots: build
	scripts/screenshots.sh build build/screenshots

# The Debian package, build/tunemill_VERSION_ARCH.deb.
package: build
	rm -f build/*.deb
	cd build && cpack

bench: build
	build/bench/publish_benchmark
	build/bench/convert_benchmark
	build/bench/album_benchmark build/tunemill-publish
	build/bench/track_memory_benchmark build/tunemill-publish
	build/bench/serve_benchmark
	build/bench/playlist_load_benchmark
	build/bench/engine_benchmark build/tunemill-publish build/bench/zlib_deflate
	build/bench/large_folder_benchmark build/tunemill-publish
	cd build && bench/upload_benchmark

clean:
	rm -rf build build-sanitize demo
