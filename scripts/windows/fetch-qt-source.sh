#!/usr/bin/env bash
# Fetches Debian's source of Qt Base, patches applied, into DIR/qtbase: the same version as the
# host's Qt tools, which the Windows build of Qt uses to generate code. apt gets a private source
# list and state of its own, so the machine's apt configuration stays as it is.
#   fetch-qt-source.sh DIR
set -euo pipefail
dir=$(realpath -m "$1")
[ -f "$dir/qtbase/CMakeLists.txt" ] && exit 0

version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
apt_dir=$dir/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
: >"$apt_dir/sources.list"
# The machine's own archives, as source archives.
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$list" ] && sed -n 's/^deb \(.*debian.*\)$/deb-src \1/p' "$list" >>"$apt_dir/sources.list"
done
for list in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list" ] && grep -q 'debian' "$list" &&
        sed 's/^Types: .*/Types: deb-src/' "$list" >"$apt_dir/sources.list.d/$(basename "$list")"
done
apt_private=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
             -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
             -o "APT::Sandbox::User=root")
apt-get "${apt_private[@]}" update -qq
rm -rf "$dir/src" && mkdir -p "$dir/src"
(cd "$dir/src" && apt-get "${apt_private[@]}" source -qq "qt6-base=$version")
# apt-get source leaves the unpacked, patched tree as the one folder beside the archives.
rm -rf "$dir/qtbase"
mv "$(find "$dir/src" -mindepth 1 -maxdepth 1 -type d)" "$dir/qtbase"
rm -rf "$dir/src" "$apt_dir"
