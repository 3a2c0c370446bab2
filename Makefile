# The two commands of the README, plus benchmarks and fuzzing.
JOBS ?= $(shell nproc)

.PHONY: deps test demo bench fuzz build-release package

deps:
	@bash scripts/install-deps.sh

test: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOLV_SANITIZE=ON -DOLV_WERROR=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && ctest --output-on-failure -j $(JOBS)

build-release: deps
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build build/release -j $(JOBS)

# The Debian package, build/release/olv8-manager_<version>_<arch>.deb.
package: build-release
	cmake --build build/release --target package

demo: build-release
	bash scripts/demo.sh build/release

bench: build-release
	bash scripts/bench.sh build/release

fuzz: deps
	CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOLV_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build build/fuzz -j $(JOBS)
