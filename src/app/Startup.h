#pragma once

namespace app {

// Program entry: `fichas [--pasta PASTA]` opens the main window; `fichas valida ...` and
// `fichas pdf ...` are commands that need no display.
int run(int argc, char **argv);

} // namespace app
