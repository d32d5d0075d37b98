#pragma once

namespace quorvel {

// A windowed program on Windows starts without a console, so what it prints (--help, --version,
// refusals) would reach nobody. Started from a console, it prints there instead, as on Linux;
// output that was redirected to a file or pipe stays where it was sent. Elsewhere: nothing.
#ifdef _WIN32
void AttachParentConsole();
#else
inline void AttachParentConsole() {}
#endif

} // namespace quorvel
