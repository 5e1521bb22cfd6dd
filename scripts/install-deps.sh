#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# when any is missing (as root, or through sudo).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config             # the build
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins     # Qt 6 and its X11 platform plugin
    libxcb1-dev                                  # the bar on every workspace, which Qt does not offer
    qt6-base-private-dev                         # a window test that adds and removes monitors
    fonts-liberation fontconfig                  # Arial-compatible fonts for the labels
    libgtest-dev libgmock-dev libbenchmark-dev   # tests and benchmarks
    clang libclang-rt-14-dev                     # fuzz targets (libFuzzer, sanitizers)
    clang-format                                 # the format check
    python3 xvfb xauth xdotool imagemagick       # end-to-end runs and screenshots
    faketime libfaketime                         # moving the clock
    iproute2                                     # a private loopback for each end-to-end test
    dbus at-spi2-core python3-pyatspi            # reading the windows back in end-to-end tests
    desktop-file-utils                           # checking the autostart and menu entries as desktops read them
    trayer                                       # a notification area for the tray icon's end-to-end test
    openbox x11-utils                            # end-to-end runs under a window manager; xprop reads them
    librsvg2-bin                                 # the icon's bitmap sizes, drawn from its SVG
    dpkg-dev file                                # the Debian package (cpack, dpkg-shlibdeps)
    lintian appstream                            # checking the package and its AppStream data
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
