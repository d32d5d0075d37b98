#!/usr/bin/env bash
# Installs the Debian packages that a make target needs, and nothing when all of them are present
# already. Run by the Makefile before every build:
#   setup.sh build     building and running the program (make run)
#   setup.sh package   that, and making its Debian package (make package)
#   setup.sh test      all of it, and every test's tools (make test)
set -euo pipefail

build=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libxcb1-dev fonts-liberation)
package=(dpkg-dev file)
test=(
    # the sanitizer build and the fuzzers
    clang libclang-rt-14-dev
    # core tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # tests on a real X server, under two window managers, screenshots, memory checks
    xvfb xauth openbox fluxbox qt6ct xdotool x11-utils libx11-dev imagemagick valgrind
    # a Wayland display that cannot be opened
    qt6-wayland
    # accessibility, locales, packaging
    dbus at-spi2-core python3-pyatspi locales desktop-file-utils appstream lintian
)

case ${1:-} in
build) packages=("${build[@]}") ;;
package) packages=("${build[@]}" "${package[@]}") ;;
test) packages=("${build[@]}" "${package[@]}" "${test[@]}") ;;
*)
    echo "usage: $0 build|package|test" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "setup: need root or sudo to run: $*" >&2
        exit 1
    fi
}

if [ ${#missing[@]} -gt 0 ]; then
    if ! command -v apt-get >/dev/null 2>&1; then
        echo "setup: these Debian packages are missing and there is no apt-get to install them:" \
             "${missing[*]}" >&2
        exit 1
    fi
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

# The locale tests show results under German conventions.
if [ "$1" = test ] && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    echo "setup: generating the de_DE.UTF-8 locale"
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
