#!/usr/bin/env bash
# A Debian 13 system beside this one, made with debootstrap from the Debian archive that this
# machine's apt already uses, for building and testing Quorvel as on a fresh Debian 13.
#
#   root.sh make
#       makes the root when there is none (build/debian13/root, or $QUORVEL_DEBIAN13_ROOT)
#   root.sh run [--offline] [--bind HOST_DIR:ROOT_DIR]... -- COMMAND [ARG...]
#       copies the working tree to /quorvel in the root (its build/ there is kept between runs)
#       and runs COMMAND there as root. --offline gives it a network of its own with nothing but
#       loopback, so that its X servers and buses never meet this machine's, whose abstract
#       sockets it would otherwise share.
#
# Everything runs in private mount and process namespaces: the root's mounts vanish with them,
# so nothing is left mounted, and no process started inside outlives the command.
set -euo pipefail
project=$(cd "$(dirname "$0")/../.." && pwd)
root=${QUORVEL_DEBIAN13_ROOT:-$project/build/debian13/root}
suite=trixie

if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "debian13: needs root or sudo" >&2; exit 1; }
    exec sudo QUORVEL_DEBIAN13_ROOT="$root" bash "$0" "$@"
fi

# The first archive in this machine's apt sources that serves SUITE, in either format.
archive_for() {
    local list
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] && sed -n "s%^deb \(\[[^]]*\] \)\?\([^ ]*\) $1\( .*\)\?\$%\2%p" "$list"
    done
    for list in /etc/apt/sources.list.d/*.sources; do
        [ -f "$list" ] && awk -v suite="$1" 'BEGIN { RS = ""; FS = "\n" } {
            uri = ""; served = 0
            for (i = 1; i <= NF; i++) {
                if ($i ~ /^URIs:/) { split(substr($i, 6), uris, " "); uri = uris[1] }
                if ($i ~ /^Suites:/) {
                    n = split(substr($i, 8), suites, " ")
                    for (j = 1; j <= n; j++) if (suites[j] == suite) served = 1
                }
            }
            if (served && uri != "") print uri
        }' "$list"
    done
}

# enter ROOT OFFLINE [HOST_DIR:ROOT_DIR...] -- COMMAND...
enter() {
    local root=$1 offline=$2 binds=()
    shift 2
    while [ "$1" != -- ]; do binds+=("$1"); shift; done
    shift
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    local unshare=(unshare --mount --pid --fork --kill-child)
    [ "$offline" = 0 ] || unshare+=(--net)
    "${unshare[@]}" bash -s "$root" "$offline" "${#binds[@]}" "${binds[@]}" "$@" <<'INSIDE'
set -euo pipefail
root=$1 offline=$2 count=$3
shift 3
binds=("${@:1:count}")
shift "$count"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
[ "$offline" = 0 ] || ip link set lo up
for bind in "${binds[@]}"; do
    mkdir -p "${bind%%:*}" "$root${bind#*:}"
    mount --bind "${bind%%:*}" "$root${bind#*:}"
done
exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    sh -c 'cd /quorvel 2>/dev/null || cd /; exec "$@"' - "$@"
INSIDE
}

make_root() {
    [ -x "$root/usr/bin/make" ] && return 0
    local codename mirror security new=$root.new
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    mirror=$(archive_for "$codename" | head -n 1)
    security=$(archive_for "$codename-security" | head -n 1)
    mirror=${mirror:-http://deb.debian.org/debian}
    echo "debian13: making a Debian 13 root in $root from $mirror"
    rm -rf "$new"
    mkdir -p "$(dirname "$root")"
    debootstrap --variant=minbase "$suite" "$new" "$mirror" >"$new.log" 2>&1 || {
        tail -n 20 "$new.log" >&2
        exit 1
    }
    {
        echo "deb $mirror $suite main"
        echo "deb $mirror $suite-updates main"
        [ -z "$security" ] || echo "deb $security $suite-security main"
    } >"$new/etc/apt/sources.list"
    enter "$new" 0 -- sh -c 'apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends make git \
            >/dev/null' || exit 1
    rm -f "$new.log"
    # Only a complete root has the final name.
    mv "$new" "$root"
}

run_in_root() {
    local offline=0 binds=()
    while [ $# -gt 0 ]; do
        case $1 in
        --offline) offline=1 ;;
        --bind) binds+=("$2"); shift ;;
        --) shift; break ;;
        *) echo "debian13: unknown option $1" >&2; exit 2 ;;
        esac
        shift
    done
    [ -x "$root/usr/bin/make" ] || { echo "debian13: no root in $root; run: $0 make" >&2; exit 1; }

    # The working tree as git sees it, uncommitted changes included; the root's own build/ stays.
    mkdir -p "$root/quorvel"
    find "$root/quorvel" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +
    git -C "$project" ls-files -z --cached --others --exclude-standard |
        (cd "$project" && xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' -) |
        tar -C "$project" --null -T - -cf - | tar -C "$root/quorvel" -xf -

    enter "$root" "$offline" "${binds[@]}" -- "$@"
}

case ${1:-} in
make) make_root ;;
run) shift; run_in_root "$@" ;;
*) echo "usage: $0 make | run [--offline] [--bind HOST_DIR:ROOT_DIR]... -- COMMAND..." >&2; exit 2 ;;
esac
