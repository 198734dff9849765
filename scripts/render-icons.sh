#!/usr/bin/env bash
# Renders the compiled-in PNG icons from their SVG sources and checks draftbay.qrc against them.
#
#   scripts/render-icons.sh           render every resources/icons-src/**/*.svg, then check
#   scripts/render-icons.sh --check   only check: every file exists, is listed in the .qrc,
#                                     and every path the application loads resolves
#
# resources/icons-src/X/Y.svg becomes resources/X/Y.png at the size written in the SVG.
# The application icon (icons-src/app/draftbay.svg) is rendered at several sizes instead.
# Needs rsvg-convert (Debian package librsvg2-bin) and the DejaVu fonts (fonts-dejavu-core).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
res="$root/resources"
src="$res/icons-src"
qrc="$res/draftbay.qrc"
app_icon_sizes=(16 24 32 48 64 128 256)

render() {
    command -v rsvg-convert >/dev/null || {
        echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2
        exit 1
    }
    local count=0 svg rel out size
    while IFS= read -r -d '' svg; do
        rel="${svg#"$src"/}"
        if [ "$rel" = "app/draftbay.svg" ]; then
            mkdir -p "$res/app"
            for size in "${app_icon_sizes[@]}"; do
                rsvg-convert -w "$size" -h "$size" -o "$res/app/draftbay_$size.png" "$svg"
                count=$((count + 1))
            done
            continue
        fi
        out="$res/${rel%.svg}.png"
        mkdir -p "$(dirname "$out")"
        rsvg-convert -o "$out" "$svg"
        count=$((count + 1))
    done < <(find "$src" -name '*.svg' -print0 | sort -z)
    # The file-type icons the package installs beside their scalable form.
    for svg in "$root"/packaging/application-x-quillo-*.svg; do
        for size in "${app_icon_sizes[@]}"; do
            mkdir -p "$root/packaging/icons/$size"
            rsvg-convert -w "$size" -h "$size" -o "$root/packaging/icons/$size/$(basename "${svg%.svg}").png" "$svg"
            count=$((count + 1))
        done
    done
    echo "rendered $count PNG files"
}

# Resource paths that the application's code loads by name; each must resolve through the .qrc.
required_paths() {
    cat <<'EOF'
:/stylesheet/qss/draftbay.qss
:/stylesheet/qss/draftbay_alternative.qss
:/misc/Resources/miscell/quillologo.png
:/misc/Resources/USB/USB_32X32.png
:/misc/Resources/USB/USB_unplug_32X32.png
:/misc/Resources/miscell/battery_critically_low.png
:/misc/Resources/miscell/battery_in_charge.png
:/misc/Resources/miscell/battery_full.png
:/misc/Resources/miscell/battery_not_charging.png
:/statusbar/Resources/page/firstFrame_active_R.png
:/statusbar/Resources/page/backwords_active.png
:/statusbar/Resources/page/forwards_active_R.png
:/statusbar/Resources/page/EndFrame_active_R.png
:/tolbar/Resources/export/32X32/PS.png
:/tolbar/Resources/export/32X32/AI.png
:/tolbar/Resources/export/32X32/SBP.png
:/tolbar/Resources/export/32X32/AS.png
:/editor/Resources/layer manager/32X32/checked.png
:/editor/Resources/layer manager/32X32/unchecked.png
:/player/Resources/video player/32X32/play_active.png
:/player/Resources/video player/32X32/stop_active.png
:/settings/Resources/settings/portrait_on.png
:/settings/Resources/settings/portrait_off.png
:/settings/Resources/settings/landscape_on.png
:/settings/Resources/settings/landscape_off.png
EOF
    local orientation position
    for orientation in port land; do
        for position in ul um ur ml mr ll lm lr; do
            echo ":/settings/Resources/settings/${orientation}_${position}_rpos.png"
        done
    done
}

# Prints "resource-path<TAB>file" for every <file> of the .qrc (prefix + alias or file name).
qrc_entries() {
    awk '
        match($0, /<qresource[^>]*prefix="[^"]*"/) {
            prefix = substr($0, RSTART, RLENGTH); sub(/.*prefix="/, "", prefix); sub(/"$/, "", prefix)
        }
        /<file[ >]/ {
            line = $0; alias = ""
            if (match(line, /alias="[^"]*"/)) {
                alias = substr(line, RSTART + 7, RLENGTH - 8)
            }
            file = line; sub(/.*<file[^>]*>/, "", file); sub(/<\/file>.*/, "", file)
            name = (alias != "") ? alias : file
            p = prefix; if (p !~ /\/$/) p = p "/"
            printf ":%s%s\t%s\n", p, name, file
        }' "$qrc"
}

check() {
    local failures=0 path file entries
    entries="$(qrc_entries)"
    # every listed file exists
    while IFS=$'\t' read -r path file; do
        [ -f "$res/$file" ] || { echo "listed but missing: $file ($path)" >&2; failures=$((failures + 1)); }
    done <<<"$entries"
    # every rendered or shipped file is listed
    while IFS= read -r -d '' file; do
        file="${file#"$res"/}"
        grep -qF $'\t'"$file" <<<"$entries" || {
            echo "not in draftbay.qrc: $file" >&2
            failures=$((failures + 1))
        }
    done < <(find "$res" \( -path "$src" -o -path "$res/support" -o -path "$res/forms" \
        -o -path "$res/translations" \) -prune -o \( -name '*.png' -o -name '*.qss' \) -print0)
    # every path the code loads resolves
    while IFS= read -r path; do
        grep -qF "$path"$'\t' <<<"$entries" || {
            echo "required resource not in draftbay.qrc: $path" >&2
            failures=$((failures + 1))
        }
    done < <(required_paths)
    # every SVG has its PNG
    while IFS= read -r -d '' file; do
        file="${file#"$src"/}"
        [ "$file" = "app/draftbay.svg" ] && continue
        [ -f "$res/${file%.svg}.png" ] || {
            echo "not rendered: $file" >&2
            failures=$((failures + 1))
        }
    done < <(find "$src" -name '*.svg' -print0)
    if [ "$failures" -ne 0 ]; then
        echo "$failures problem(s) found" >&2
        return 1
    fi
    echo "draftbay.qrc: $(wc -l <<<"$entries") entries, all present, all required paths resolve"
}

case "${1:-}" in
    --check) check ;;
    "") render && check ;;
    *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac
