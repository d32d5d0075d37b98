# The README's commands: `make run` builds and starts Quorvel, `make test` builds and runs every
# test, `make package` builds the Debian package. Each first installs what it needs, and only that.

.PHONY: run test package clean

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
	ctest --preset default
	ctest --preset sanitize

package:
	@bash scripts/setup.sh package
	cmake --preset package >/dev/null
	cmake --build --preset package
	cpack --preset package

clean:
	rm -rf build
