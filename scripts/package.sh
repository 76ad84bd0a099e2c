#!/usr/bin/env bash
# Builds the Debian package kopira_<version>-1_amd64.deb into the top folder,
# from the build tree in build/: only the two programs and the desktop files
# are built, not the tests. lintian checks it (errors and warnings fail).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target kopira kopira-render kopira_desktop_files
rm -rf build/package
(cd build && cpack -G DEB -B "$PWD/package" >/dev/null)
deb=$(ls build/package/kopira_*_amd64.deb)
lintian --fail-on error,warning "$deb"
cp "$deb" .
echo "$(basename "$deb")"
