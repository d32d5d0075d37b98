# The README's commands: `make run` builds and starts Quorvel, `make test` builds and runs every
# test (the core's also built for Windows and run under wine), `make package` builds the Debian
# package, `make windows` the Windows installer, and `make test-debian13` runs `make test` once more
# in a Debian 13 root beside this machine. Each first installs what it needs, and only that.

.PHONY: run test test-debian13 package windows clean

run:
	@bash scripts/setup.sh build
	cmake --preset default -DQUORVEL_REQUIRE_TEST_TOOLS=OFF >/dev/null
	cmake --build --preset default --target quorvel
	./build/default/window/quorvel

test:
	@bash scripts/setup.sh test
	cmake --preset default -DQUORVEL_REQUIRE_TEST_TOOLS=ON >/dev/null
	cmake --build --preset default
	cmake --preset sanitize -DQUORVEL_REQUIRE_TEST_TOOLS=ON >/dev/null
	cmake --build --preset sanitize
	cmake --preset windows-core >/dev/null
	cmake --build --preset windows-core
	ctest --preset default
	ctest --preset sanitize
	ctest --preset windows-core

# The root is made once and kept in build/debian13; its packages come over the network, and its
# tests then run with a network of their own, which holds only loopback.
test-debian13:
	@bash scripts/setup.sh debian13
	bash scripts/debian13/root.sh make
	bash scripts/debian13/root.sh run -- bash scripts/setup.sh test
	bash scripts/debian13/root.sh run --offline -- make test

package:
	@bash scripts/setup.sh package
	cmake --preset package >/dev/null
	cmake --build --preset package
	cpack --preset package

windows:
	@bash scripts/windows/make-windows.sh

clean:
	rm -rf build
