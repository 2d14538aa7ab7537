#!/usr/bin/env bash
# Regenerates the pictures of Castiflore's main window in dictation/images/ (ImageMagick and the
# DejaVu fonts). The stop, keyboard and "J'ai écrit" buttons are Ombrivelle's own pictures.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v convert >/dev/null || { echo "Il manque convert (paquet imagemagick)." >&2; exit 1; }
GRAS=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
[ -f "$GRAS" ] || { echo "Il manque la police $GRAS (paquet fonts-dejavu-core)." >&2; exit 1; }

I=dictation/images
mkdir -p "$I"
cp ombrivelle/images/stop.png ombrivelle/images/clavier.png ombrivelle/images/jai_ecrit.png "$I/"

# carte Y TITLE [SLASH]: a white card of the left column with its title strip.
cartes=()
carte() {
    cartes+=(-fill '#00000022' -draw "roundrectangle 12,$(($1 + 2)) 167,$(($1 + 57)) 6,6"
        -fill '#f7fbff' -stroke '#8fb3c9' -draw "roundrectangle 10,$1 165,$(($1 + 55)) 6,6"
        -stroke none -fill '#e3d7f5' -draw "roundrectangle 11,$(($1 + 1)) 164,$(($1 + 15)) 5,5"
        -fill '#3a2d6b' -annotate "-232+$(($1 + 2))" "$2")
    if [ "${3:-}" = / ]; then
        cartes+=(-stroke '#3a2d6b' -strokewidth 3 -draw "line 91,$(($1 + 25)) 84,$(($1 + 49))" -stroke none -strokewidth 1)
    fi
}
carte 110 'Points en jeu'
carte 175 'Mon score' /
carte 240 'Items réussis' /
carte 305 'Temps'

# The window's background: a soft lilac to sky gradient, the cards, and a frame for the picture.
# Titles are centred on the cards: 232 pixels left of the window's middle.
convert -size 640x470 gradient:'#e9e1f7'-'#a9d8ee' -font "$GRAS" -pointsize 11 -gravity north \
    "${cartes[@]}" \
    -fill '#ffffff88' -stroke '#8fb3c9' -draw "roundrectangle 176,48 342,214 8,8" -stroke none \
    -quality 88 "$I/fond_castiflore.jpg"

# The logo: a note over the name.
convert -size 161x97 xc:none -font "$GRAS" \
    -fill '#5e60ce' -pointsize 56 -gravity north -annotate +0-4 '♫' \
    -fill '#3a2d6b' -pointsize 20 -annotate +0+64 'Castiflore' \
    "$I/logo_castiflore.png"

# The listening button: a loudspeaker and "J'écoute" on a blue pill.
convert -size 160x47 xc:none \
    -fill '#00000033' -draw "roundrectangle 2,3 159,46 20,20" \
    -fill '#2f6fb5' -draw "roundrectangle 0,0 157,43 20,20" \
    -fill '#4f8fd5' -draw "roundrectangle 3,2 154,20 16,16" \
    -fill white -draw "rectangle 14,16 22,28" -draw "polygon 22,16 34,7 34,37 22,28" \
    -fill none -stroke white -strokewidth 3 -draw "arc 30,12 44,32 -60,60" -draw "arc 32,6 52,38 -60,60" \
    -stroke none -fill white -font "$GRAS" -pointsize 19 -gravity west -annotate +60-1 "J'écoute" \
    "$I/jecoute.png"

echo "Images de la fenêtre de Castiflore régénérées dans $I/."
