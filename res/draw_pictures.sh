#!/usr/bin/env bash
# Redraws every picture of the program's resources into res/pictures/.
# Needs ImageMagick 6 (convert) and Debian's fonts-dejavu. The results are committed,
# so the build itself never runs this script; run it again after changing a drawing.
# Bitmaps are written as 24-bit BMP3: LoadImage and pattern brushes take them on every
# Windows version, and the sizes are fixed by the code that cuts the strips into frames.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=$here/pictures
fonts=/usr/share/fonts/truetype/dejavu
sans_bold=$fonts/DejaVuSans-Bold.ttf
cond_bold=$fonts/DejaVuSansCondensed-Bold.ttf

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# The popup menu recolours this exact grey to the menu's own background, so the
# item pictures, flags and tick use it where they should look transparent.
menu_grey='#c0c0c0'
# The document list's image list treats magenta as transparent.
mask_magenta='#ff00ff'

save_bmp() { # source.png target-name
  convert "$1" -background black -alpha remove -alpha off -type TrueColor "BMP3:$out/$2"
}

# Flattens a picture with soft edges onto a key colour without blending into it:
# a half-covered pixel either belongs to the picture or to the background, so no
# tinted fringe shows once the key colour is replaced.
flatten_on_key() { # source.png key-colour target.png
  convert "$1" -channel A -threshold 50% +channel \
    -background "$2" -alpha remove -alpha off "$3"
}

# ---------------------------------------------------------------------------
# Small drawings, described in a 64 x 64 space and scaled down from 256 x 256,
# so their edges come out smooth at any final size.

gear_path() { # cx cy outer-radius inner-radius teeth
  awk -v cx="$1" -v cy="$2" -v ro="$3" -v ri="$4" -v n="$5" 'BEGIN {
    pi = atan2(0, -1); half = pi / n; path = ""
    for (i = 0; i < n; i++) {
      a = 2 * pi * i / n
      split((a - 0.62 * half) " " (a - 0.36 * half) " " (a + 0.36 * half) " " (a + 0.62 * half), angles, " ")
      radii[1] = ri; radii[2] = ro; radii[3] = ro; radii[4] = ri
      for (j = 1; j <= 4; j++)
        path = path sprintf("%s %.2f,%.2f ", (i == 0 && j == 1) ? "M" : "L",
                            cx + radii[j] * cos(angles[j]), cy + radii[j] * sin(angles[j]))
    }
    print path "Z"
  }'
}

circle_path() { # cx cy r  (a closed path, so it can cut a hole with evenodd filling)
  echo "M $(($1 + $3)),$2 A $3,$3 0 1,0 $(($1 - $3)),$2 A $3,$3 0 1,0 $(($1 + $3)),$2 Z"
}

icon_mvg() { # name
  case $1 in
    open) cat <<'EOF'
stroke '#6b4700' stroke-width 2.5 stroke-linejoin round
fill '#d99a16' path 'M 5,13 L 23,13 L 28,18 L 55,18 L 55,50 L 5,50 Z'
fill '#ffffff' stroke '#8a8f99' rectangle 11,22 50,44
stroke '#6b4700' fill '#f6c743' path 'M 14,28 L 62,28 L 54,52 L 3,52 Z'
stroke none fill '#fff3b8' path 'M 16,31 L 57,31 L 56,34 L 15,34 Z'
EOF
      ;;
    extract) cat <<'EOF'
stroke '#2b3a55' stroke-width 2.5 fill '#ffffff' rectangle 4,8 46,42
stroke none fill '#86c3ff' rectangle 8,12 42,38
fill '#ffd23f' circle 34,19 34,23
fill '#3f9b43' path 'M 8,38 L 20,22 L 28,31 L 33,26 L 42,38 Z'
stroke '#0f5a26' stroke-width 2.5 stroke-linejoin round fill '#32b450'
path 'M 43,27 L 55,27 L 55,42 L 62,42 L 49,59 L 36,42 L 43,42 Z'
EOF
      ;;
    options)
      echo "stroke '#24324a' stroke-width 2.5 fill '#8a9bb8' fill-rule evenodd"
      echo "path '$(gear_path 32 32 29 21 8) $(circle_path 32 32 8)'"
      echo "stroke none fill '#ffffff55' path 'M 15,22 A 20,20 0 0,1 45,15 L 41,20 A 14,14 0 0,0 20,25 Z'"
      ;;
    help) cat <<EOF
stroke '#123a7a' stroke-width 2.5 fill '#2f6fd0' circle 32,32 32,3
stroke none fill '#ffffff40' ellipse 32,19 20,11 0,360
fill white font '$sans_bold' font-size 44 gravity center text 0,2 '?'
EOF
      ;;
    exit) cat <<'EOF'
stroke '#6e1008' stroke-width 2.5 fill '#d8392b' circle 32,32 32,3
stroke none fill '#ffffff35' ellipse 32,19 20,11 0,360
stroke '#ffffff' stroke-width 6 stroke-linecap round fill none
path 'M 22,20 A 16,16 0 1,0 42,20'
line 32,12 32,32
EOF
      ;;
    delete) cat <<'EOF'
stroke '#2f3a4a' stroke-width 2.5 stroke-linejoin round
fill '#8796ab' rectangle 25,5 39,11
fill '#a9b6c8' rectangle 11,11 53,19
fill '#c4cfdc' path 'M 15,21 L 49,21 L 45,60 L 19,60 Z'
stroke '#566379' stroke-width 3 line 25,27 26,54 line 32,27 32,54 line 39,27 38,54
EOF
      ;;
    empty) cat <<'EOF'
stroke '#2b3a55' stroke-width 2.5 fill '#ffffff' rectangle 6,5 44,58
stroke '#5d86cc' stroke-width 3.5 line 12,15 38,15 line 12,24 38,24 line 12,33 34,33 line 12,42 28,42
stroke '#6e1008' stroke-width 2.5 fill '#d8392b' circle 46,46 46,31
stroke '#ffffff' stroke-width 4.5 stroke-linecap round line 40,40 52,52 line 52,40 40,52
EOF
      ;;
    document) cat <<'EOF'
stroke '#2b3a55' stroke-width 3 stroke-linejoin round
fill '#ffffff' path 'M 10,3 L 40,3 L 54,17 L 54,61 L 10,61 Z'
fill '#d5dcea' path 'M 40,3 L 40,17 L 54,17 Z'
stroke none fill '#2f5fb3' rectangle 16,22 48,28
stroke '#7f98c8' stroke-width 3.5 line 16,35 48,35 line 16,43 48,43 line 16,51 40,51
EOF
      ;;
    folder) cat <<'EOF'
stroke '#6b4700' stroke-width 3 stroke-linejoin round
fill '#d99a16' path 'M 3,11 L 23,11 L 29,17 L 61,17 L 61,56 L 3,56 Z'
fill '#f6c743' path 'M 3,24 L 61,24 L 61,56 L 3,56 Z'
stroke none fill '#fff1ae' rectangle 6,27 58,30
EOF
      ;;
    picture) cat <<'EOF'
stroke '#2b3a55' stroke-width 3 stroke-linejoin round
fill '#ffffff' path 'M 4,2 L 32,2 L 44,14 L 44,50 L 4,50 Z'
fill '#d5dcea' path 'M 32,2 L 32,14 L 44,14 Z'
stroke '#7f98c8' stroke-width 3 line 10,21 36,21 line 10,28 36,28 line 10,35 30,35
stroke '#2b3a55' stroke-width 3 fill '#ffffff' rectangle 22,30 62,62
stroke none fill '#7fb8f0' rectangle 26,34 58,58
fill '#ffd23f' circle 50,41 50,45
fill '#3f9b43' path 'M 26,58 L 37,43 L 45,52 L 50,47 L 58,58 Z'
EOF
      ;;
    add) cat <<'EOF'
stroke '#2b3a55' stroke-width 2.5 stroke-linejoin round
fill '#ffffff' path 'M 6,3 L 34,3 L 46,15 L 46,58 L 6,58 Z'
fill '#d5dcea' path 'M 34,3 L 34,15 L 46,15 Z'
stroke '#7f98c8' stroke-width 3 line 12,22 38,22 line 12,30 38,30 line 12,38 30,38
stroke '#0f5a26' stroke-width 2.5 fill '#32b450'
path 'M 42,32 L 52,32 L 52,42 L 62,42 L 62,52 L 52,52 L 52,62 L 42,62 L 42,52 L 32,52 L 32,42 L 42,42 Z'
EOF
      ;;
    clear) cat <<'EOF'
stroke '#2b3a55' stroke-width 2.5 fill '#ffffff' rectangle 4,4 44,58
stroke '#5d86cc' stroke-width 3.5 line 10,14 38,14 line 10,23 38,23 line 10,32 34,32 line 10,41 28,41
stroke '#5a3a12' stroke-width 2 stroke-linejoin round fill '#c98b3c' path 'M 58,6 L 62,9 L 44,38 L 40,35 Z'
fill '#f0c24a' path 'M 38,34 L 47,40 L 44,62 L 26,52 Z'
stroke '#9a6f16' stroke-width 2 line 33,50 41,40 line 38,55 45,44
EOF
      ;;
    door) cat <<'EOF'
stroke '#4a2a08' stroke-width 2.5 stroke-linejoin round fill '#9c6a38' rectangle 10,3 42,61
fill '#5a3a18' rectangle 15,8 37,56
stroke none fill '#ffd23f' circle 33,34 33,37
stroke '#6e1008' stroke-width 2.5 fill '#e8402f'
path 'M 36,25 L 50,25 L 50,16 L 63,32 L 50,48 L 50,39 L 36,39 Z'
EOF
      ;;
  esac
}

draw_icon() { # name size target.png
  convert -size 256x256 xc:none -draw "scale 4,4 $(icon_mvg "$1")" \
    -filter Box -resize "$2x$2" "$3"
}

# ---------------------------------------------------------------------------
# Hover-button strips: three frames side by side (normal, pressed, hover).

# One frame. The corners show the window's blue bands behind the button, so the
# corner colours follow the band colours where the button sits.
button_frame() { # state width height icon icon-size label back-top back-bottom target.png
  local state=$1 w=$2 h=$3 icon=$4 isize=$5 label=$6 back_top=$7 back_bottom=$8 target=$9
  local face_top face_bottom border text shine shift=0
  case $state in
    normal)  face_top='#f4f8fd' face_bottom='#a9bfdc' border='#0d2452' text='#0b2456' shine='#ffffff66' ;;
    pressed) face_top='#7f97bb' face_bottom='#b7c8df' border='#061433' text='#061a40' shine='#00000000' shift=1 ;;
    hover)   face_top='#fffdf0' face_bottom='#ffd36b' border='#a85f00' text='#3d2300' shine='#ffffff80' ;;
  esac
  local r=$((w - 1)) b=$((h - 1))
  local label_size=9 label_y=$((h - 13 + shift))
  local icon_x=$(((w - isize) / 2 + shift)) icon_y=$((3 + shift))
  [ "$h" -lt 40 ] && icon_y=$((2 + shift))
  # A two-line label leaves room for a smaller picture only.
  case $label in *$'\n'*) icon_y=$((1 + shift)) label_y=$((isize - 1 + shift)) ;; esac
  draw_icon "$icon" "$isize" "$work/icon.png"
  convert -size "${w}x${h}" "gradient:$back_top-$back_bottom" \
    \( -size "${w}x${h}" "gradient:$face_top-$face_bottom" \
       \( -size "${w}x${h}" xc:none -fill white -draw "roundrectangle 0,0 $r,$b 5,5" \) \
       -compose DstIn -composite \) -compose Over -composite \
    -fill "$shine" -draw "roundrectangle 2,2 $((r - 2)),$((h / 2)) 4,4" \
    "$work/icon.png" -geometry "+$icon_x+$icon_y" -compose Over -composite \
    -font "$cond_bold" -pointsize "$label_size" -interline-spacing -3 -gravity north \
    -fill '#ffffff90' -annotate "+$((shift))+$((label_y + 1))" "$label" \
    -fill "$text" -annotate "+$((shift))+$label_y" "$label" -gravity northwest \
    -fill none -stroke "$border" -strokewidth 1 -draw "roundrectangle 0,0 $r,$b 5,5" \
    "$target"
  case $state in
    pressed) mogrify -fill none -stroke '#00000050' -draw "line 3,1 $((r - 3)),1 line 1,3 1,$((b - 3))" "$target" ;;
    hover)   mogrify -fill none -stroke '#ffb30099' -draw "roundrectangle 1,1 $((r - 1)),$((b - 1)) 4,4" "$target" ;;
  esac
}

button_strip() { # target.bmp strip-width height icon icon-size label back-top back-bottom
  local target=$1 strip_w=$2 h=$3
  local w=$((strip_w / 3))
  local state
  for state in normal pressed hover; do
    button_frame "$state" "$w" "$h" "$4" "$5" "$6" "$7" "$8" "$work/frame_$state.png"
  done
  # A width that is not a multiple of three leaves one or two columns that are never shown.
  convert -size "${strip_w}x${h}" "gradient:$7-$8" \
    \( "$work/frame_normal.png" "$work/frame_pressed.png" "$work/frame_hover.png" +append \) \
    -compose Over -composite "$work/strip.png"
  save_bmp "$work/strip.png" "$target"
}

draw_command_buttons() {
  # The command row sits low in the window, the two list buttons near its top:
  # their corner colours follow the blue bands there.
  local low_top='#0063db' low_bottom='#006fe7' high_top='#001890' high_bottom='#002199'
  button_strip strip_open.bmp     106 41 open    20 'Open'    $low_top $low_bottom
  button_strip strip_extract.bmp  143 42 extract 20 'Extract' $low_top $low_bottom
  button_strip strip_options.bmp  139 42 options 20 'Options' $low_top $low_bottom
  button_strip strip_help.bmp      99 42 help    20 'Help'    $low_top $low_bottom
  button_strip strip_exit.bmp     101 41 exit    20 'Exit'    $low_top $low_bottom
  button_strip strip_delete.bmp   118 36 delete  17 'Delete'  $high_top $high_bottom
  button_strip strip_empty.bmp    106 36 empty   13 $'Empty\nList' $high_top $high_bottom
}

# ---------------------------------------------------------------------------
# Menu buttons: the words File, Options and Help in each language, 47 x 16,
# in the dark green of the painted title band.

menu_button() { # word target-name
  convert -size 47x16 'gradient:#1f9a4e-#0a5a26' \
    -fill '#ffffff30' -draw 'rectangle 1,1 45,7' \
    -fill none -stroke '#04381a' -draw 'rectangle 0,0 46,15' -stroke none \
    -font "$cond_bold" -pointsize 9 -kerning -0.3 -gravity center \
    -fill '#02300f' -annotate +0+1 "$1" -fill white -annotate +0+0 "$1" \
    "$work/menu_button.png"
  save_bmp "$work/menu_button.png" "$2"
}

draw_menu_buttons() {
  # velmo.rc maps these files to the bitmaps 239 to 256, language by language.
  local words=(
    en File Options Help
    fr Fichier Options Aide
    de Datei Optionen Hilfe
    it File Opzioni Aiuto
    es Archivo Opciones Ayuda
    ro Fisier Optiuni Ajutor
  )
  local i
  for ((i = 0; i < ${#words[@]}; i += 4)); do
    menu_button "${words[i + 1]}" "menu_${words[i]}_file.bmp"
    menu_button "${words[i + 2]}" "menu_${words[i]}_options.bmp"
    menu_button "${words[i + 3]}" "menu_${words[i]}_help.bmp"
  done
}

# ---------------------------------------------------------------------------
# Popup-menu pictures on the menu grey.

# Pixels of the drawing that happen to be the menu grey are nudged off it, so
# the menu recolours the background only.
on_menu_grey() { # drawing.png width height target-name
  convert "$1" -fill '#c1c1c1' -opaque "$menu_grey" "$work/nudged.png"
  flatten_on_key "$work/nudged.png" "$menu_grey" "$work/flat.png"
  convert -size "$2x$3" "xc:$menu_grey" "$work/flat.png" -gravity center -composite "$work/item.png"
  save_bmp "$work/item.png" "$4"
}

menu_item() { # icon size width height target-name
  draw_icon "$1" "$2" "$work/item_icon.png"
  on_menu_grey "$work/item_icon.png" "$3" "$4" "$5"
}

draw_menu_items() {
  menu_item options 21 33 27 item_options.bmp
  menu_item add     20 25 27 item_add.bmp
  menu_item delete  20 25 24 item_delete.bmp
  menu_item clear   21 28 29 item_clear.bmp
  menu_item extract 20 27 27 item_recover.bmp
  menu_item door    21 31 30 item_exit.bmp
  menu_item help    19 23 26 item_help.bmp
}

# Flags are drawn at ten times 20 x 14 and framed with a thin dark line, so the
# white parts stay apart from a white menu.
flag_mvg() { # country
  case $1 in
    fr) echo "fill '#0055a4' rectangle 0,0 66,140 fill '#ffffff' rectangle 67,0 133,140 fill '#ef4135' rectangle 134,0 200,140" ;;
    it) echo "fill '#009246' rectangle 0,0 66,140 fill '#ffffff' rectangle 67,0 133,140 fill '#ce2b37' rectangle 134,0 200,140" ;;
    ro) echo "fill '#002b7f' rectangle 0,0 66,140 fill '#fcd116' rectangle 67,0 133,140 fill '#ce1126' rectangle 134,0 200,140" ;;
    de) echo "fill '#000000' rectangle 0,0 200,46 fill '#dd0000' rectangle 0,47 200,93 fill '#ffce00' rectangle 0,94 200,140" ;;
    es) cat <<'MVG'
fill '#aa151b' rectangle 0,0 200,140
fill '#f1bf00' rectangle 0,35 200,105
stroke '#7a4a00' stroke-width 3 fill '#c8102e' roundrectangle 44,52 72,92 6,6
stroke none fill '#f1bf00' rectangle 56,52 72,72 fill '#aa151b' rectangle 44,72 58,92
fill '#d4a000' rectangle 46,42 70,50
MVG
      ;;
    en) awk 'BEGIN {
      W = 200; H = 140; L = sqrt(W * W + H * H)
      nx = -H / L; ny = W / L; mx = H / L; my = W / L; d = 0.05 * H
      printf "fill \"#012169\" rectangle 0,0 %d,%d\n", W, H
      printf "stroke \"#ffffff\" stroke-width %.1f line -20,-14 220,154 line -20,154 220,-14\n", 0.28 * H
      printf "stroke \"#c8102e\" stroke-width %.1f\n", 0.1 * H
      # The red diagonals lie off the middle of the white ones, turning round the centre.
      printf "line %.1f,%.1f %.1f,%.1f\n", -20 + d * nx, -14 + d * ny, W / 2 + d * nx, H / 2 + d * ny
      printf "line %.1f,%.1f %.1f,%.1f\n", W / 2 - d * nx, H / 2 - d * ny, 220 - d * nx, 154 - d * ny
      printf "line %.1f,%.1f %.1f,%.1f\n", -20 + d * mx, 154 + d * my, W / 2 + d * mx, H / 2 + d * my
      printf "line %.1f,%.1f %.1f,%.1f\n", W / 2 - d * mx, H / 2 - d * my, 220 - d * mx, -14 - d * my
      printf "stroke none fill \"#ffffff\" rectangle %.1f,0 %.1f,%d rectangle 0,%.1f %d,%.1f\n", W / 2 - 0.17 * H, W / 2 + 0.17 * H, H, H / 2 - 0.17 * H, W, H / 2 + 0.17 * H
      printf "fill \"#c8102e\" rectangle %.1f,0 %.1f,%d rectangle 0,%.1f %d,%.1f\n", W / 2 - 0.1 * H, W / 2 + 0.1 * H, H, H / 2 - 0.1 * H, W, H / 2 + 0.1 * H
    }' ;;
  esac
}

flag() { # country width height target-name
  convert -size 200x140 xc:white -draw "$(flag_mvg "$1")" -filter Box -resize '20x14!' \
    -bordercolor '#3c3c3c' -border 1 "$work/flag.png"
  on_menu_grey "$work/flag.png" "$2" "$3" "$4"
}

draw_flags() {
  flag fr 22 22 flag_fr.bmp
  flag de 26 22 flag_de.bmp
  flag en 26 22 flag_en.bmp
  flag it 26 22 flag_it.bmp
  flag es 26 22 flag_es.bmp
  flag ro 26 22 flag_ro.bmp
  convert -size 256x256 xc:none -draw "scale 4,4
      stroke '#0b4a16' stroke-width 13 stroke-linecap round stroke-linejoin round fill none
      path 'M 12,34 L 26,48 L 52,14'
      stroke '#2fb344' stroke-width 7 path 'M 12,34 L 26,48 L 52,14'" \
    -filter Box -resize 20x20 "$work/tick.png"
  on_menu_grey "$work/tick.png" 26 22 tick.bmp
}

# ---------------------------------------------------------------------------
# Document list images (a document, a folder) on the list's transparent magenta.

draw_list_images() {
  draw_icon document 16 "$work/document.png"
  draw_icon folder 16 "$work/folder.png"
  flatten_on_key "$work/document.png" "$mask_magenta" "$work/document_key.png"
  flatten_on_key "$work/folder.png" "$mask_magenta" "$work/folder_key.png"
  convert "$work/document_key.png" "$work/folder_key.png" +append "$work/list_images.png"
  save_bmp "$work/list_images.png" list_images.bmp
}

# ---------------------------------------------------------------------------
# Background of the splash and the About box, 569 x 192: the product name over a
# soft grey-blue picture of photo prints. The splash shows only its left 470
# pixels, and writes a black line of text at y = 160, so that band stays light
# and empty.

# A small landscape print with a white border, as a photo lying on a table.
photo_print() { # width height sky-top sky-bottom hills far-hills target.png
  local w=$1 h=$2 iw=$(($1 - 12)) ih=$(($2 - 12))
  convert -size "${iw}x${ih}" "gradient:$3-$4" \
    -fill '#f4f6f9' -draw "circle $((iw * 7 / 10)),$((ih * 3 / 10)) $((iw * 7 / 10 + ih / 9)),$((ih * 3 / 10))" \
    -fill "$6" -draw "path 'M 0,$((ih * 6 / 10)) L $((iw * 2 / 10)),$((ih * 4 / 10)) L $((iw * 4 / 10)),$((ih * 55 / 100)) L $((iw * 6 / 10)),$((ih * 35 / 100)) L $iw,$((ih * 6 / 10)) L $iw,$ih L 0,$ih Z'" \
    -fill "$5" -draw "path 'M 0,$((ih * 8 / 10)) Q $((iw * 3 / 10)),$((ih * 6 / 10)) $((iw * 6 / 10)),$((ih * 75 / 100)) T $iw,$((ih * 7 / 10)) L $iw,$ih L 0,$ih Z'" \
    -bordercolor '#fbfbf8' -border 6 -bordercolor '#c9ccd2' -border 1 "$7"
}

draw_background() {
  local w=569 h=192
  # Base: light at the upper left, where the name stands, deepening to the right.
  convert -size "${h}x${w}" 'gradient:#eef1f5-#8c99aa' -rotate -90 \
    \( -size "${w}x${h}" 'gradient:#ffffff-#000000' -evaluate multiply 0.18 \) \
    -compose Screen -composite "$work/base.png"
  # A soft, fixed texture, so the grey reads as a photograph rather than a flat fill.
  convert -size "${w}x${h}" -seed 7 plasma:fractal -colorspace Gray -blur 0x9 \
    -auto-level -level 30%,70% "$work/texture.png"
  convert "$work/base.png" "$work/texture.png" -compose SoftLight -composite "$work/back.png"
  # Out-of-focus lights on the right.
  local lights=""
  local spot
  for spot in 520,40,26 470,110,18 545,150,34 420,30,14 500,175,20 380,150,12; do
    IFS=, read -r x y r <<<"$spot"
    lights+="circle $x,$y $((x + r)),$y "
  done
  convert "$work/back.png" \( -size "${w}x${h}" xc:none -fill '#ffffff38' -draw "$lights" -blur 0x3 \) \
    -compose Over -composite "$work/back.png"
  # Three prints lying at angles, with soft shadows, right of the name.
  photo_print 108 80 '#9fb4cc' '#dfe6ee' '#5f7286' '#8395aa' "$work/print1.png"
  photo_print 104 76 '#b7c3d1' '#eef1f4' '#6d7a8a' '#98a4b2' "$work/print2.png"
  photo_print 110 82 '#8ea8c6' '#d9e3ee' '#4f6680' '#7d93ad' "$work/print3.png"
  local n angle x y
  for n in 1:-14:304:14 2:9:356:28 3:-3:328:52; do
    IFS=: read -r n angle x y <<<"$n"
    convert "$work/print$n.png" -background none -rotate "$angle" "$work/turned.png"
    convert "$work/back.png" \
      \( "$work/turned.png" -background '#1a2433' -shadow 55x4+4+5 \) -geometry "+$((x - 8))+$((y - 8))" -compose Over -composite \
      "$work/turned.png" -geometry "+$x+$y" -compose Over -composite "$work/back.png"
  done
  # The light band behind the splash's text line.
  convert "$work/back.png" \
    \( -size "${w}x40" 'gradient:#ffffff00-#ffffff99' \( -size "${w}x40" 'gradient:#ffffff99-#ffffff00' \) -append \
       -resize "${w}x44!" \) -geometry +0+142 -compose Over -composite "$work/back.png"
  # The product name, large, at the upper left.
  convert "$work/back.png" \
    \( -size "${w}x${h}" xc:none -font "$sans_bold" -pointsize 54 -fill '#0c1f3f' -annotate +16+58 'Velmo' \
       -font "$cond_bold" -pointsize 35 -annotate +18+101 'Image Recovery' -blur 0x3 \) \
    -compose Over -composite \
    -font "$sans_bold" -pointsize 54 -fill '#1d3d6e' -annotate +14+56 'Velmo' \
    -font "$cond_bold" -pointsize 35 -fill '#2a5490' -annotate +16+99 'Image Recovery' \
    -fill none -stroke '#2a5490' -strokewidth 2 -draw 'line 18,114 250,114' -stroke none \
    "$work/background.png"
  save_bmp "$work/background.png" background.bmp
}

# ---------------------------------------------------------------------------
# Side pictures: the File menu's tiled strip and the main window's side panel,
# both a strip of film in the window's colours.

draw_menu_side() {
  # The menu tiles this from its left edge in a 20-pixel strip: columns 0 to 19
  # are what shows, and 11 rows make one film frame.
  convert -size 49x11 'gradient:#2a2f38-#1b1e24' \
    \( -size 11x29 'gradient:#1b1e24-#2f6fd0' -rotate -90 \) -geometry +20+0 -compose Over -composite \
    -fill '#e8ecf2' -draw 'roundrectangle 2,3 5,7 1,1' \
    \( -size 8x10 'gradient:#86c3ff-#3f9b43' \) -geometry +9+1 -compose Over -composite \
    -fill '#ffd23f' -draw 'point 14,3 point 15,3 point 14,4 point 15,4' \
    "$work/menu_side.png"
  save_bmp "$work/menu_side.png" menu_side.bmp
}

# One little picture on the film, in its own colours.
film_picture() { # sky-top sky-bottom hills sun target.png
  convert -size 30x40 "gradient:$1-$2" \
    -fill "$4" -draw 'circle 21,11 21,15' \
    -fill "$3" -draw "path 'M 0,30 Q 8,20 16,27 T 30,24 L 30,40 L 0,40 Z'" "$5"
}

side_panel_frame() { # state target.png
  local w=75 h=324
  # The panel starts about 55 pixels down the window, where the painted blue
  # bands have these colours; its bottom meets the window's last band.
  convert -size "${w}x${h}" 'gradient:#00159f-#0075ed' "$work/panel.png"
  local film=""
  local y
  for ((y = 4; y < h; y += 12)); do
    film+="roundrectangle 17,$y 22,$((y + 6)) 1,1 roundrectangle 53,$y 58,$((y + 6)) 1,1 "
  done
  convert "$work/panel.png" \
    \( -size 52x"$h" xc:none -fill '#00000060' -draw "rectangle 0,0 51,$h" -blur 0x2 \) -geometry +13+0 -compose Over -composite \
    -fill '#16191f' -draw "rectangle 12,0 62,$h" -fill '#dfe5ee' -draw "$film" \
    "$work/panel.png"
  film_picture '#ff9d4a' '#ffe1a8' '#5b3a2a' '#fff3c4' "$work/film1.png"
  film_picture '#4f8fe0' '#bfe0ff' '#2e7d4f' '#ffe066' "$work/film2.png"
  film_picture '#7a8ca3' '#dde4ec' '#4a5868' '#f6f8fb' "$work/film3.png"
  film_picture '#8c5bb8' '#f2b6c9' '#2f2a4f' '#fff0f5' "$work/film4.png"
  film_picture '#2a9fd0' '#c9f0ff' '#c99a4a' '#fffbe0' "$work/film5.png"
  film_picture '#ff9d4a' '#ffe1a8' '#5b3a2a' '#fff3c4' "$work/film6.png"
  local n
  for n in 1 2 3 4 5 6; do
    convert "$work/panel.png" "$work/film$n.png" -geometry "+23+$((8 + (n - 1) * 53))" -compose Over -composite \
      "$work/panel.png"
  done
  case $1 in
    normal)  cp "$work/panel.png" "$2" ;;
    pressed) convert "$work/panel.png" -modulate 75 -page +1+1 -background '#001080' -flatten "$2" ;;
    hover)   convert "$work/panel.png" -modulate 125,115 "$2" ;;
  esac
}

draw_side_panel() {
  local state
  for state in normal pressed hover; do
    side_panel_frame "$state" "$work/side_$state.png"
  done
  convert "$work/side_normal.png" "$work/side_pressed.png" "$work/side_hover.png" +append "$work/side.png"
  save_bmp "$work/side.png" strip_side.bmp
}

# ---------------------------------------------------------------------------
# Program icon (16 and 32 pixels, with transparency) and the link's hand cursor.

draw_icon_file() {
  draw_icon picture 32 "$work/icon32.png"
  draw_icon picture 16 "$work/icon16.png"
  convert "$work/icon16.png" "$work/icon32.png" "$out/velmo.ico"
}

# A pointing hand, drawn pixel by pixel like the system's own cursors; the hot
# spot is the tip of the index finger.
hand_rows=(
  "     ##          "
  "    #oo#         "
  "    #oo#         "
  "    #oo#         "
  "    #oo#         "
  "    #oo###       "
  "    #oo#oo###    "
  "    #oo#oo#oo##  "
  " ## #oo#oo#oo#o# "
  "#oo##oooooooo#oo#"
  "#ooo#ooooooooooo#"
  " #oooooooooooooo#"
  "  #ooooooooooooo#"
  "  #oooooooooooo# "
  "   #ooooooooooo# "
  "   #oooooooooo#  "
  "    #ooooooooo#  "
  "    #oooooooo#   "
  "     #ooooooo#   "
  "     #########   "
)
hand_hotspot_x=5
hand_hotspot_y=0

draw_cursor() {
  {
    echo '/* XPM */'
    echo 'static char *hand[] = {'
    echo '"32 32 3 1", "  c None", "# c #000000", "o c #FFFFFF",'
    local row
    for ((row = 0; row < 32; row++)); do
      printf '"%-32s",\n' "${hand_rows[row]:-}"
    done
    echo '};'
  } >"$work/hand.xpm"
  # ImageMagick writes an icon file; a cursor file differs in two places of its
  # header: the type word (2) and the directory entry's planes and bit-count
  # words, which hold the hot spot.
  convert "$work/hand.xpm" "ICO:$out/hand.cur"
  printf '\x02\x00' | dd of="$out/hand.cur" bs=1 seek=2 conv=notrunc status=none
  printf '%b' "$(printf '\\x%02x\\x00\\x%02x\\x00' "$hand_hotspot_x" "$hand_hotspot_y")" |
    dd of="$out/hand.cur" bs=1 seek=10 conv=notrunc status=none
}

draw_command_buttons
draw_menu_buttons
draw_menu_items
draw_flags
draw_list_images
draw_background
draw_menu_side
draw_side_panel
draw_icon_file
draw_cursor
