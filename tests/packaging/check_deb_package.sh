#!/usr/bin/env bash
# Installs Quorvel with `cmake --install` into a temporary root, makes its Debian package with
# cpack in a temporary directory, unpacks that package into another temporary root, and checks
# both trees, the package's file modes and owners, and its control fields. All output stays in
# the temporary directory, which is removed at the end; the install manifest that every install
# writes into the build tree is put back as it was.
#
# Usage: check_deb_package.sh BUILD_DIR SOURCE_DIR EXPECTED_VERSION APP_ID APPSTREAMCLI [OPTIONS...]
# where APP_ID names the desktop entry and the metainfo, and OPTIONS are passed to
# `appstreamcli validate-tree`.
set -euo pipefail

build_dir=$1
source_dir=$2
expected_version=$3
app_id=$4
appstreamcli=$5
appstream_options=("${@:6}")

work=$(mktemp -d)
manifest=$build_dir/install_manifest.txt
if [ -e "$manifest" ]; then
    cp -p "$manifest" "$work/install_manifest.txt"
fi
restore_build_tree() {
    if [ -e "$work/install_manifest.txt" ]; then
        cp -p "$work/install_manifest.txt" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -rf "$work"
}
trap restore_build_tree EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

metainfo_name=$app_id.metainfo.xml
desktop_entry=$app_id.desktop
icon_sizes=(16 32 48 64 128 256)

# Every file the package must hold, and nothing else.
expected_files=(
    usr/bin/quorvel
    "usr/share/applications/$desktop_entry"
    "usr/share/metainfo/$metainfo_name"
    usr/share/icons/hicolor/scalable/apps/quorvel.svg
    usr/share/doc/quorvel/copyright
    usr/share/doc/quorvel/changelog.gz
    usr/share/man/man1/quorvel.1.gz
)
for size in "${icon_sizes[@]}"; do
    expected_files+=("usr/share/icons/hicolor/${size}x${size}/apps/quorvel.png")
done

check_tree() {
    local root=$1 what=$2

    local actual expected
    actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | sort)
    expected=$(printf '%s\n' "${expected_files[@]}" | sort)
    if [ "$actual" != "$expected" ]; then
        fail "$what holds other files than expected:"
        diff <(echo "$expected") <(echo "$actual") >&2 || true
    fi

    local program=$root/usr/bin/quorvel
    if [ ! -x "$program" ] || ! file -b "$program" | grep -q '^ELF .* executable'; then
        fail "$what: usr/bin/quorvel is not an executable program: $(file -b "$program")"
    fi
    # An installed program finds its libraries where the system keeps them, nowhere else.
    if readelf --dynamic "$program" | grep -E '\((RUNPATH|RPATH)\)' >&2; then
        fail "$what: usr/bin/quorvel carries a library search path"
    fi

    cmp -s "$source_dir/packaging/$desktop_entry" "$root/usr/share/applications/$desktop_entry" ||
        fail "$what: the desktop entry differs from packaging/$desktop_entry"
    cmp -s "$build_dir/packaging/$metainfo_name" "$root/usr/share/metainfo/$metainfo_name" ||
        fail "$what: the metainfo differs from the one configured in the build"

    local size icon description
    for size in "${icon_sizes[@]}"; do
        icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/quorvel.png
        description=$(file -b "$icon")
        [[ $description == "PNG image data, $size x $size,"* ]] ||
            fail "$what: the ${size}x${size} icon is not a PNG of that size: $description"
    done
    icon=$root/usr/share/icons/hicolor/scalable/apps/quorvel.svg
    cmp -s "$source_dir/window/icons/quorvel.svg" "$icon" ||
        fail "$what: the scalable icon differs from window/icons/quorvel.svg"

    # The metainfo's launchable and icon must resolve within the installed tree.
    "$appstreamcli" validate-tree "${appstream_options[@]}" "$root" ||
        fail "$what: appstreamcli validate-tree"

    # The copyright file in Debian's machine-readable form with the terms of LICENSE; the
    # changelog's newest entry and the manual page are of this version.
    local doc=$root/usr/share/doc/quorvel
    [ "$(head -n 1 "$doc/copyright")" = \
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
        fail "$what: the copyright file is not in Debian's machine-readable format"
    diff <(sed '1,/^License: Expat$/d; s/^ //; s/^\.$//' "$doc/copyright") \
        <(sed -n '/^Permission/,$p' "$source_dir/LICENSE") >&2 ||
        fail "$what: the copyright file's terms differ from LICENSE"
    local newest
    newest=$(zcat "$doc/changelog.gz" | sed -n '1s/^quorvel (\([^)]*\)).*/\1/p')
    [ "$newest" = "$expected_version" ] || fail "$what: the changelog's newest entry is '$newest'"
    zcat "$root/usr/share/man/man1/quorvel.1.gz" |
        grep -q "^\.TH QUORVEL 1 .* \"Quorvel $expected_version\"" ||
        fail "$what: the manual page is not quorvel(1) of Quorvel $expected_version"
}

control_field() {
    dpkg-deb --field "$1" "$2"
}

check_control_fields() {
    local deb=$1 field value
    value=$(control_field "$deb" Package)
    [ "$value" = quorvel ] || fail "Package is '$value', not quorvel"
    value=$(control_field "$deb" Version)
    [ "$value" = "$expected_version" ] || fail "Version is '$value', not $expected_version"
    value=$(control_field "$deb" Architecture)
    [ "$value" = "$(dpkg --print-architecture)" ] ||
        fail "Architecture is '$value', not dpkg's $(dpkg --print-architecture)"
    value=$(control_field "$deb" Depends)
    [[ $value =~ (^|, )libqt6widgets6([ ,]|$) ]] || fail "Depends does not name Qt 6 Widgets: $value"
    [[ $value =~ (^|, )libc6([ ,]|$) ]] || fail "Depends does not name the C library: $value"
    [[ $value =~ (^|, )"fonts-liberation2 | fonts-liberation"(,|$) ]] ||
        fail "Depends does not name a face of the window's widths: $value"
    for field in Maintainer Section Description Homepage; do
        [ -n "$(control_field "$deb" "$field")" ] || fail "the control field $field is empty"
    done

    local release
    release=$(grep -o -m1 '<release version="[^"]*"' "$build_dir/packaging/$metainfo_name" |
        cut -d'"' -f2)
    [ "$release" = "$expected_version" ] ||
        fail "the metainfo's newest release is '$release', not the package's $expected_version"
}

# Software centres read the metainfo's categories, menus the desktop entry's: they must agree.
check_categories() {
    local from_desktop from_metainfo
    from_desktop=$(sed -n 's/^Categories=//p' "$source_dir/packaging/$desktop_entry" |
        tr ';' '\n' | sed '/^$/d' | sort)
    from_metainfo=$(grep -o '<category>[^<]*</category>' "$build_dir/packaging/$metainfo_name" |
        sed 's/<[^>]*>//g' | sort)
    if [ -z "$from_desktop" ] || [ "$from_desktop" != "$from_metainfo" ]; then
        fail "categories differ: desktop entry '${from_desktop//$'\n'/;}'," \
            "metainfo '${from_metainfo//$'\n'/;}'"
    fi
}

# Modes and owners as dpkg will install them: programs 0755, data 0644, everything root's.
check_modes() {
    local deb=$1 mode owner path
    while read -r mode owner _ _ _ path; do
        path=${path#./}
        [ "$owner" = root/root ] || fail "$path is owned by $owner"
        case $mode in
        d*) [ "$mode" = drwxr-xr-x ] || fail "directory $path has mode $mode" ;;
        *)
            if [ "$path" = usr/bin/quorvel ]; then
                [ "$mode" = -rwxr-xr-x ] || fail "$path has mode $mode"
            else
                [ "$mode" = -rw-r--r-- ] || fail "$path has mode $mode"
            fi
            ;;
        esac
    done < <(dpkg-deb --contents "$deb")
}

DESTDIR=$work/destdir cmake --install "$build_dir" --prefix /usr >/dev/null
check_tree "$work/destdir" "cmake --install"

# cpack first runs the build's preinstall step, which changes nothing in a tree already built.
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/cpack" >/dev/null
shopt -s nullglob
debs=("$work"/cpack/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    fail "cpack made ${#debs[@]} .deb files instead of one"
    exit 1
fi
deb=${debs[0]}
[ "$(basename "$deb")" = "quorvel_${expected_version}_$(dpkg --print-architecture).deb" ] ||
    fail "the package file is named $(basename "$deb")"

dpkg-deb --extract "$deb" "$work/root"
check_tree "$work/root" "the package"
check_control_fields "$deb"
check_categories
check_modes "$deb"
# Debian's own checks, hardening included: an info kept on purpose would need an override in the
# package, with its reason.
tags=$(lintian --display-info --fail-on error,warning,info "$deb" 2>/dev/null) ||
    fail "lintian: ${tags:-failed without naming a tag}"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "the package $(basename "$deb") and the installed tree hold what they should"
