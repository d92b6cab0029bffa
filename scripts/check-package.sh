#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, runs both installed
# programs, checks what it registers, then purges it and checks that nothing
# of it is left. Installs and removes system packages: for CI and test
# machines, not for a machine where Stemmark is installed already.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if dpkg-query -W -f='${Status}' stemmark 2>/dev/null | grep -q "install ok installed"; then
    echo "check-package.sh: stemmark is installed already; it would be purged" >&2
    exit 1
fi
scripts/install-deps.sh lintian appstream desktop-file-utils man-db libglib2.0-bin

# Newer shared-mime-info knows the type itself; then it stays after purging.
knownBefore=$(grep -c "^text/vnd.familysearch.gedcom$" /usr/share/mime/types || true)
scripts/package.sh
deb=$(ls build-package/stemmark_*.deb)
dpkg-deb -c "$deb"
$sudo apt-get install -y -qq "./$deb" >/dev/null
mapfile -t files < <(dpkg -L stemmark)

# The programs as a user starts them, with their settings and log in a
# folder of their own.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME="$home/config" XDG_STATE_HOME="$home/state"
sample=/usr/share/stemmark/sample/Stemmark-sample.ged
/usr/bin/stemmark-cli "$sample" list > "$home/list.txt"
head -n 1 "$home/list.txt"
grep -q "^Select person (56 persons in total)$" "$home/list.txt"
QT_QPA_PLATFORM=offscreen /usr/bin/stemmark --quit-after-start "$sample"
/usr/bin/stemmark --help | grep -q "^Usage: stemmark "

# What the desktop sees of it: the menu entry, the software centre's record,
# the file type a file manager matches .ged files to, the manual pages.
desktop-file-validate /usr/share/applications/stemmark.desktop
appstreamcli validate --no-net /usr/share/metainfo/io.github.quillborn.stemmark.metainfo.xml
# By name, whatever its case, and by its start, with or without a UTF-8
# byte-order mark; and Stemmark is the program offered for it.
printf '0 HEAD\n0 TRLR\n' > "$home/family.ged"
printf '0 HEAD\n0 TRLR\n' > "$home/FAMILY.GED"
printf '0 HEAD\n0 TRLR\n' > "$home/family"
printf '\xef\xbb\xbf0 HEAD\n0 TRLR\n' > "$home/family-bom"
for file in family.ged FAMILY.GED family family-bom; do
    type=$(gio info -a standard::content-type "$home/$file" | sed -n 's/^ *standard::content-type: //p')
    echo "$file: $type"
    [[ "$type" == "text/vnd.familysearch.gedcom" ]]
done
# A package of a file and its media, by its name.
cp /usr/share/stemmark/sample/Stemmark-media.gdz "$home/family.gdz"
type=$(gio info -a standard::content-type "$home/family.gdz" | sed -n 's/^ *standard::content-type: //p')
echo "family.gdz: $type"
[[ "$type" == "application/vnd.familysearch.gedcom+zip" ]]
/usr/bin/stemmark-cli "$home/family.gdz" media 2 | grep -q "^media/photos/thomas-1915.jpg"
grep -q "^Default application .*: stemmark.desktop$" <<< "$(gio mime application/vnd.familysearch.gedcom+zip)"
offered=$(gio mime text/vnd.familysearch.gedcom)
grep -q "^Default application .*: stemmark.desktop$" <<< "$offered"
grep -q "^text/vnd.familysearch.gedcom text/plain$" /usr/share/mime/subclasses
for page in stemmark stemmark-cli; do
    # Rendered, and without a word from groff on stderr.
    MANWIDTH=80 man "$page" > "$home/$page.txt" 2> "$home/$page.err"
    grep -q "^NAME" "$home/$page.txt"
    [[ ! -s "$home/$page.err" ]]
done

$sudo apt-get purge -y -qq stemmark >/dev/null
left=()
for file in "${files[@]}"; do
    # Folders such as /usr/share/man/man1 belong to other packages too.
    if [[ -e "$file" && ! -d "$file" ]] || [[ -d "$file" && "$file" == *stemmark* ]]; then
        left+=("$file")
    fi
done
knownAfter=$(grep -c "^text/vnd.familysearch.gedcom$" /usr/share/mime/types || true)
if [[ "$knownAfter" != "$knownBefore" ]]; then
    left+=("text/vnd.familysearch.gedcom in /usr/share/mime")
fi
if [[ ${#left[@]} -gt 0 ]]; then
    printf 'check-package.sh: left after purging: %s\n' "${left[@]}" >&2
    exit 1
fi
echo "Installed, ran, purged: ${#files[@]} paths, none left"
