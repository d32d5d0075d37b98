# The two commands of the README: `make run` builds and starts Quorvel, `make test` builds and
# runs every test. Both install what is missing first.

.PHONY: run test setup build build-sanitize clean

run: build
	./build/default/window/quorvel

test: build build-sanitize
	ctest --preset default
	ctest --preset sanitize

setup:
	@bash scripts/setup.sh

build: setup
	cmake --preset default >/dev/null
	cmake --build --preset default

build-sanitize: setup
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize

clean:
	rm -rf build
