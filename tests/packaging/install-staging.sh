#!/usr/bin/env bash
# Installs the build into a scratch prefix and runs the installed programs from there, away
# from the build tree: they must find their own files under share/draftbay/, and the
# thumbnailer command must write the PNG the freedesktop thumbnail cache expects.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/stage
cmake --install "$build" --prefix "$stage" >/dev/null
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

for file in share/applications/org.quillo.Draftbay.desktop share/mime/packages/org.quillo.Draftbay.xml \
    share/metainfo/org.quillo.Draftbay.metainfo.xml share/thumbnailers/draftbay.thumbnailer \
    share/icons/hicolor/scalable/apps/org.quillo.Draftbay.svg \
    share/icons/hicolor/48x48/apps/org.quillo.Draftbay.png share/icons/hicolor/48x48/mimetypes/application-x-quillo-pen.png \
    share/icons/hicolor/256x256/mimetypes/application-x-quillo-document.png lib/udev/rules.d/70-quillo-receiver.rules; do
    [ -f "$stage/$file" ] || fail "not installed: $file"
done

version=$("$stage/bin/draftbay-cli" --version)
[[ $version == "draftbay-cli "[0-9]* ]] || fail "draftbay-cli --version said: $version"
[ "${version#draftbay-cli }" = "$("$stage/bin/draftbay" --version | sed 's/^draftbay //')" ] \
    || fail "the programs disagree on the version"

# Every file the window looks up is found in the installed share/draftbay/.
report=$(QT_QPA_PLATFORM=offscreen "$stage/bin/draftbay" --check-install) || fail "draftbay: $report"
grep -q "^found $stage/share/draftbay/support/draftbayfactory.xml$" <<<"$report" \
    || fail "factory settings not found in the installed tree: $report"
grep -q "^found $stage/share/draftbay/draftbay_de.qm$" <<<"$report" \
    || fail "translations not found in the installed tree: $report"
grep -q "^found $stage/share/draftbay/userguides/" <<<"$report" \
    || fail "the manual is not found in the installed tree: $report"

# The thumbnailer entry's own command, given a file:// URI as file managers do.
"$stage/bin/qpe-synth" --count 1 --points 3000 --seed 5 --prefix thumb --out "$work/in" >/dev/null
pen=$(ls "$work"/in/*)
command=$(sed -n 's/^Exec=//p' "$stage/share/thumbnailers/draftbay.thumbnailer")
command=${command//%i/file:\/\/$pen}
command=${command//%o/$work/out.png}
command=${command//%s/96}
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$stage/bin:$PATH" $command \
    || fail "thumbnailer command failed: $command"
info=$(file "$work/out.png")
[[ $info =~ PNG\ image\ data,\ ([0-9]+)\ x\ ([0-9]+) ]] || fail "not a PNG: $info"
width=${BASH_REMATCH[1]} height=${BASH_REMATCH[2]}
{ [ "$width" = 96 ] || [ "$height" = 96 ]; } && [ "$width" -le 96 ] && [ "$height" -le 96 ] \
    || fail "longest side is not 96: ${width}x$height"
# The text keys, stored compressed when long, checked against the sketch itself.
keys=$(python3 - "$work/out.png" <<'PY'
import sys, struct, zlib
data = open(sys.argv[1], 'rb').read()[8:]
while data:
    length, kind = struct.unpack('>I4s', data[:8])
    body = data[8:8 + length]
    if kind in (b'tEXt', b'zTXt'):
        key, value = body.split(b'\0', 1)
        value = zlib.decompress(value[1:]) if kind == b'zTXt' else value
        print(key.decode() + '=' + value.decode())
    data = data[12 + length:]
PY
)
for expected in "Thumb::URI=file://$pen" "Thumb::MTime=$(stat -c %Y "$pen")" \
    "Thumb::Size=$(stat -c %s "$pen")"; do
    grep -qxF "$expected" <<<"$keys" || fail "no $expected among: $keys"
done
# The MIME database built from the installed types alone: a pen file by its suffix in any
# case and by its first bytes without one, a saved document by its suffix.
if command -v update-mime-database >/dev/null && command -v gio >/dev/null; then
    update-mime-database "$stage/share/mime" 2>/dev/null
    cp "$pen" "$work/NO-SUFFIX"
    cp "$pen" "$work/UPPER.QPE"
    echo '<?xml version="1.0"?><document/>' >"$work/saved.vmr"
    for check in "$work/NO-SUFFIX application/x-quillo-pen" "$work/UPPER.QPE application/x-quillo-pen" \
        "$work/saved.vmr application/x-quillo-document"; do
        set -- $check
        type=$(XDG_DATA_HOME="$stage/share" XDG_DATA_DIRS="$stage/share" \
            gio info -a standard::content-type "$1" | sed -n 's/.*standard::content-type: //p')
        [ "$type" = "$2" ] || fail "$1 is typed $type, not $2"
    done
fi
echo "staged install OK ($version)"
