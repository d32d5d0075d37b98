#!/usr/bin/env bash
# Installs what building, running and testing Quorvel needs on Debian, and nothing when all of
# it is present already. Run by the Makefile before every build.
set -euo pipefail

packages=(
    # build
    cmake make g++ clang libclang-rt-14-dev pkg-config
    # core tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # the window
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev fonts-liberation
    # tests on a real X server, screenshots, memory checks
    xvfb xauth xdotool x11-utils libx11-dev imagemagick valgrind
    # accessibility, locales, packaging
    dbus at-spi2-core python3-pyatspi locales desktop-file-utils appstream dpkg-dev file lintian
)

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
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    echo "setup: generating the de_DE.UTF-8 locale"
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
