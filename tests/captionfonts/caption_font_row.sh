#!/usr/bin/env bash
# caption_font_row.sh FAMILY ALIAS TESTS FONT-FILE...: runs the caption's pixel test where fontconfig
# knows only FONT-FILE... (and the system's rules), after fc-match has said that Arial is given to
# FAMILY there. ALIAS, unless "-", is a user's own rule that names that family for Arial.
set -euo pipefail
family=$1 alias=$2 tests=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/fonts" "$work/cache"
for file in "$@"; do
  [ -f "$file" ] || { echo "font file $file is missing (scripts/setup installs it)" >&2; exit 1; }
  ln -s "$file" "$work/fonts/"
done
rule=
[ "$alias" = - ] || rule="<match target=\"pattern\"><test name=\"family\"><string>Arial</string></test>
  <edit name=\"family\" mode=\"assign\" binding=\"strong\"><string>$alias</string></edit></match>"
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$work/fonts</dir>
  <cachedir>$work/cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
  $rule
</fontconfig>
CONF
export FONTCONFIG_FILE=$work/fonts.conf HOME=$work XDG_CONFIG_HOME=$work XDG_DATA_HOME=$work
given=$(fc-match -f '%{family[0]}' Arial)
[ "$given" = "$family" ] || { echo "fontconfig gives Arial to \"$given\" here, not to \"$family\"" >&2; exit 1; }
exec "$tests" --gtest_filter='AdvSmoothLabelPixels.TheMainWindowCaption*'
