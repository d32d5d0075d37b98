#!/usr/bin/env bash
# Runs a Windows program under 64-bit wine, quietly and without a display: wine's own messages
# off, no offer to install the .NET and HTML engines that a fresh prefix would make, and no menu
# entries written for the Linux desktop.
#   WINEPREFIX=DIR wine-run.sh PROGRAM [ARGUMENT...]
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX names the wine prefix to use}"
export WINEPREFIX WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
mkdir -p "$(dirname "$WINEPREFIX")"
exec wine "$@"
