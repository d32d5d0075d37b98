#include "window/start/windows_console.h"

#include <windows.h>

#include <cstdio>
#include <io.h>

namespace quorvel {
namespace {

// A stream that leads nowhere: a windowed program started without redirection has no handle
// behind it.
bool Unconnected(std::FILE* stream) {
    const int descriptor = _fileno(stream);
    return descriptor < 0 || _get_osfhandle(descriptor) < 0;
}

} // namespace

void AttachParentConsole() {
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (Unconnected(stdout))
        std::freopen("CONOUT$", "w", stdout);
    if (Unconnected(stderr))
        std::freopen("CONOUT$", "w", stderr);
}

} // namespace quorvel
