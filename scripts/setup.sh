#!/usr/bin/env bash
# Installs the Debian packages that a make target needs, and nothing when all of them are present
# already. Run by the Makefile before every build:
#   setup.sh build     building and running the program (make run)
#   setup.sh package   that, and making its Debian package (make package)
#   setup.sh test      all of it, and every test's tools (make test)
#   setup.sh debian13  making a Debian 13 root and running commands in it (make test-debian13)
#   setup.sh windows   building Qt, the program and its installer for Windows, and trying the
#                      installer under wine (make windows)
set -euo pipefail

build=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libxcb1-dev fonts-liberation)
package=(dpkg-dev file)
test=(
    # the sanitizer build and the fuzzers, and llvm-symbolizer, which names the frames of a
    # sanitizer's report (and so lets a suppression match a function)
    clang libclang-rt-dev llvm
    # core tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # tests on a real X server, under two window managers, screenshots, memory checks, other
    # styles and faces
    xvfb xauth openbox fluxbox qt6ct xdotool x11-utils libx11-dev imagemagick valgrind adwaita-qt6
    fonts-dejavu-core
    # a Wayland display that cannot be opened
    qt6-wayland
    # accessibility, locales, packaging
    dbus at-spi2-core python3-pyatspi locales desktop-file-utils appstream lintian
    # the core's tests built for Windows and run under 64-bit wine
    g++-mingw-w64-x86-64-posix wine wine64
)
# Qt for Windows from Debian's source; the installer, whose 32-bit installer program needs 32-bit
# wine; an X server, window manager and key events to try it with. Debian 12 builds in a Debian 13
# root (make windows), where these are installed.
windows=(
    cmake ninja-build g++ pkg-config dpkg-dev qt6-base-dev qt6-base-dev-tools qt6-svg-dev
    g++-mingw-w64-x86-64-posix nsis zip wine wine64 wine32:i386
    # Windows' fonts and wine's X11 extensions, which wine only recommends
    fonts-wine libxrender1 libxi6 libxrandr2 libxcursor1 libxinerama1 libxcomposite1 libxfixes3
    xvfb xauth openbox xdotool xclip x11-utils imagemagick fonts-liberation
    # the version resources the trial reads, and the German locale it runs under
    python3-pefile locales
)

# debootstrap makes the root; unshare (util-linux) and ip give it namespaces of its own.
debian13=(debootstrap iproute2 git)

case ${1:-} in
build) packages=("${build[@]}") ;;
package) packages=("${build[@]}" "${package[@]}") ;;
test) packages=("${build[@]}" "${package[@]}" "${test[@]}") ;;
debian13) packages=("${debian13[@]}") ;;
windows) packages=("${windows[@]}") ;;
*)
    echo "usage: $0 build|package|test|debian13|windows" >&2
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

# 32-bit packages need the i386 architecture, which a fresh amd64 system has not added.
if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
fi

if [ ${#missing[@]} -gt 0 ]; then
    if ! command -v apt-get >/dev/null 2>&1; then
        echo "setup: these Debian packages are missing and there is no apt-get to install them:" \
             "${missing[*]}" >&2
        exit 1
    fi
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        -o DPkg::Lock::Timeout=600 \
        "${missing[@]}"
fi

# The locale tests show results under German conventions, and the Windows trial under US ones
# too, which the shell that starts wine warns of where that locale is not there.
locales=()
case $1 in
test) locales=(de_DE) ;;
windows) locales=(de_DE en_US) ;;
esac
ungenerated=()
for locale in "${locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "$locale.utf8" || ungenerated+=("$locale")
done
if [ ${#ungenerated[@]} -gt 0 ]; then
    echo "setup: generating the locales ${ungenerated[*]/%/.UTF-8}"
    for locale in "${ungenerated[@]}"; do
        as_root sed -i "s/^# *\($locale.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -q "^$locale.UTF-8 UTF-8" /etc/locale.gen ||
            echo "$locale.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    done
    as_root locale-gen >/dev/null
fi
