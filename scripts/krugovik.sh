#!/usr/bin/env bash
# Builds Krugovik and then starts it (run) or runs every test (test); further tasks:
# examples, sanitize, fuzz [SECONDS], bench, package, screenshots. Installs what is missing
# with apt-get first; run again, it only rebuilds what changed.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
what="${1:-run}"
shift || true

packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev)
# ICU's transliterator for the Latin names of the TRF.
packages+=(libicu-dev)
# The imported rating lists: SQLite through Qt SQL, and FIDE's .zip read through libzip.
packages+=(libqt6sql6-sqlite libsqlite3-dev libzip-dev pkgconf)
# Qt's own Russian texts (qtbase_ru.qm) for the standard buttons and menus.
packages+=(qt6-translations-l10n)
# Qt's translation tools (lupdate, lrelease) and their CMake functions: the English texts.
packages+=(qt6-l10n-tools qt6-tools-dev)
# The hall's dialog draws the page's address as a QR code.
packages+=(libqrencode-dev)
case "$what" in
# The HTML checker, the PDF reader, the validators of the desktop entry and AppStream
# data and the formatter of the manual pages that the tests call.
# DejaVu Sans Condensed: the printed sheets' narrow face, whose widths the sheet tests expect.
# Chromium: the browser that renders the hall's pages on a phone and on the hall's screen.
test | sanitize) packages+=(tidy poppler-utils appstream desktop-file-utils librapidcheck-dev
    fonts-dejavu-extra groff-base chromium) ;;
fuzz) packages+=(clang libclang-rt-14-dev) ;;
# Xvfb: the start-up is timed on a display, as the director starts the program.
# Qt HTTP Server: the bare server the hall's server is measured against; its CMake files ask
# for Qt WebSockets', which Debian's package does not pull in.
bench) packages+=(libbenchmark-dev xvfb xauth qt6-httpserver-dev qt6-websockets-dev) ;;
screenshots) packages+=(poppler-utils fonts-dejavu-extra) ;;
package) packages+=(dpkg-dev file lintian appstream desktop-file-utils qt6-qpa-plugins
    fonts-dejavu-core) ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    # Another apt run may hold the package database: wait for it rather than fail.
    apt-get -o DPkg::Lock::Timeout=300 update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq "${missing[@]}"
fi

jobs="$(nproc)"
# A compiler cache, where the machine has one, makes a rebuild in a fresh clone cheap; paths
# are taken relative to the checkout so that clones in other folders share it.
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$here"
    # Debug builds carry the build folder in their debug information, which ccache would
    # otherwise hash too: a clone's first build would miss on every file.
    export CCACHE_NOHASHDIR=1
fi
# configure DIR ARGS...: only when the folder is not configured yet.
configure() {
    local build="$1"
    shift
    [ -f "$build/build.ninja" ] || cmake -S "$here" -B "$build" -G Ninja "${launcher[@]}" "$@"
}

case "$what" in
run)
    configure "$here/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    cmake --build "$here/build" --target krugovik -j "$jobs"
    # As the desktop entry starts it: in the club folder with the samples, not the checkout.
    exec "$here/build/krugovik" --club "$@"
    ;;
test)
    configure "$here/build-tests" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON
    cmake --build "$here/build-tests" -j "$jobs"
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$here/build-tests" --output-on-failure -j "$jobs"
    ;;
sanitize)
    configure "$here/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
        "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake --build "$here/build-sanitize" -j "$jobs"
    # Leaks count as failures; only known one-time allocations outside the project are
    # suppressed.
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
        LSAN_OPTIONS="suppressions=$here/scripts/lsan-suppressions.txt:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$here/build-sanitize" --output-on-failure -j "$jobs"
    ;;
fuzz)
    bash "$here/fuzz/run.sh" "${1:-60}"
    ;;
bench)
    configure "$here/build-bench" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKRUGOVIK_BENCH=ON
    cmake --build "$here/build-bench" --target krugovik_bench krugovik_hall_bench -j "$jobs"
    if [ -n "${DISPLAY:-}" ]; then
        "$here/build-bench/bench/krugovik_bench" "$@"
    else
        xvfb-run -a -s "-screen 0 1280x1024x24" "$here/build-bench/bench/krugovik_bench" "$@"
    fi
    QT_QPA_PLATFORM=offscreen "$here/build-bench/bench/krugovik_hall_bench"
    ;;
examples)
    # A copy, so that trying things out never changes the samples in the checkout.
    configure "$here/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    cmake --build "$here/build" --target krugovik -j "$jobs"
    try="$(mktemp -d /tmp/krugovik-examples.XXXXXX)"
    cp "$here/examples/BASE.DAT" "$here/examples/KUBOK.TXT" "$here/examples/PERVENSTVO.TXT" "$try/"
    echo "Trying the examples in $try"
    cd "$try"
    exec "$here/build/krugovik" "$@"
    ;;
package)
    # A Release build of its own with Debian's hardening, packed by CPack into
    # krugovik_<version>_<arch>.deb in the checkout, then unpacked and checked.
    configure "$here/build-package" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        "-DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection" \
        "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro -Wl,-z,now"
    cmake --build "$here/build-package" -j "$jobs"
    (cd "$here/build-package" && cpack -G DEB)
    rm -f "$here"/krugovik_*.deb
    cp "$here"/build-package/krugovik_*.deb "$here/"
    bash "$here/scripts/check_package.sh" "$here"/krugovik_*.deb
    ;;
screenshots)
    # The handbook's pictures, made anew from the samples: the Russian chapters' and, with the
    # program speaking English, the English chapters'.
    configure "$here/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    cmake --build "$here/build" --target krugovik_screenshots -j "$jobs"
    "$here/build/krugovik_screenshots" "$here/doc/images"
    "$here/build/krugovik_screenshots" --english "$here/doc/en/images"
    ;;
*)
    echo "usage: $0 run|test|examples|sanitize|fuzz [SECONDS]|bench|package|screenshots" >&2
    exit 2
    ;;
esac
