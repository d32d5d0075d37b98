# The README's commands: `make run` builds and starts Quorvel, `make test` builds and runs every
# test (the core's also built for Windows and run under wine), `make package` builds the Debian
# package, `make windows` the Windows installer. Each first installs what it needs, and only that.

.PHONY: run test package windows clean

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

package:
	@bash scripts/setup.sh package
	cmake --preset package >/dev/null
	cmake --build --preset package
	cpack --preset package

windows:
	@bash scripts/windows/make-windows.sh

clean:
	rm -rf build
