#!/usr/bin/env bash
# Builds the Debian package build-package/stemmark_VERSION_ARCH.deb from a
# clean copy of the sources, with Debian's own tools (packaging/debian), and
# checks it with lintian when lintian is installed.
#
# Install it afterwards with: sudo apt-get install ./build-package/stemmark_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh debhelper dpkg-dev

# The program's version is the project's; the package must not claim another.
version=$(sed -n 's/^project(Stemmark VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
packageVersion=$(dpkg-parsechangelog -l packaging/debian/changelog -S Version)
if [[ "$version" != "$packageVersion" ]]; then
    echo "package.sh: CMakeLists.txt says $version, packaging/debian/changelog $packageVersion" >&2
    exit 1
fi

# dpkg-buildpackage works in a source folder with debian/ at its top and puts
# the package beside it: a copy of what the build needs, in the output folder.
out=build-package
source="$out/stemmark-$version"
rm -rf "$out"
mkdir -p "$source"
tar -c CMakeLists.txt LICENSE README.md cmake src resources | tar -x -C "$source"
cp -r packaging/debian "$source/debian"

(cd "$source" && DEB_BUILD_OPTIONS="noautodbgsym parallel=$(nproc)" dpkg-buildpackage -b -us -uc)

deb=$(ls "$out"/stemmark_"$version"_*.deb)
if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error --display-info --display-experimental --pedantic "$deb"
fi
echo "Built $deb"
