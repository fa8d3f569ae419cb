# Colour measurements on screenshots for the accessibility checks (sourced, not run).

# WCAG's contrast ratio of the strongest pixel inside rectangle $2 (left top width height, inset by
# 3 pixels) of picture $1 against the rectangle's most frequent colour, its background.
contrast() {
  local left top width height
  read -r left top width height <<<"$2"
  convert "$1" -crop "$((width - 6))x$((height - 6))+$((left + 3))+$((top + 3))" +repage -type TrueColor -depth 8 txt:- |
    sed -n 's/^[^:]*: *(\([0-9]*\), *\([0-9]*\), *\([0-9]*\)).*/\1 \2 \3/p' | awk '
      function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
      function lum(r, g, b) { return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b) }
      { n[$0]++; if (n[$0] > most) { most = n[$0]; bg = $0 } seen[$0] = 1 }
      END {
        split(bg, b, " "); lb = lum(b[1], b[2], b[3]); best = 1
        for (c in seen) { split(c, p, " "); l = lum(p[1], p[2], p[3])
          r = l > lb ? (l + 0.05) / (lb + 0.05) : (lb + 0.05) / (l + 0.05); if (r > best) best = r }
        printf "%.2f\n", best }'
}
# The colour of pixel $2,$3 of picture $1 as "r g b".
pixel() { convert "$1" -crop "1x1+$2+$3" +repage -format '%[fx:round(255*r)] %[fx:round(255*g)] %[fx:round(255*b)]' info: 2>/dev/null; }
