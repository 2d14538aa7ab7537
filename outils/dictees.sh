#!/usr/bin/env bash
# Regenerates the dictation program's part of the sample classroom in data/: its settings file,
# its exercise bank of spoken dictations (espeak-ng, French voice; some kept as .wav, some
# encoded as .mp3 with lame), the items' texts and pictures (ImageMagick), its default pictures,
# its help page and a short history for two pupils. Texts are Windows-1252 with CR LF line ends.
# The same tools give the same bytes: run it again only when the sample has to change.
set -euo pipefail
cd "$(dirname "$0")/.."

for outil in espeak-ng lame convert iconv; do
    command -v "$outil" >/dev/null || { echo "Il manque $outil." >&2; exit 1; }
done
POLICE=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
[ -f "$POLICE" ] || { echo "Il manque la police $POLICE (paquet fonts-dejavu-core)." >&2; exit 1; }

D=data
BANQUE=$D/_Exercices_CSF
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

rm -rf "$BANQUE" "$D/_Aide/castiflore" "$D/castiflore.ini" "$D/tlv_pardefaut.jpg" "$D/tlv_pardefaut.bmp"
rm -f "$D"/_Bilans/CM1/Léa_CSF_*.txt "$D/_Bilans/CM1/Tom.txt"

# texte FILE LINE...: the lines in Windows-1252, each ended by CR LF.
texte() {
    local f=$1
    shift
    mkdir -p "$(dirname "$f")"
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t WINDOWS-1252 > "$f"
}

# dicte FOLDER "FILE NAME|SPOKEN TEXT"...: one recording an item, slow enough for children.
dicte() {
    local dossier=$BANQUE/$1
    shift
    mkdir -p "$dossier"
    local item nom parole
    for item in "$@"; do
        nom=${item%%|*}
        parole=${item#*|}
        case "$nom" in
        *.wav) espeak-ng -v fr -s 130 -w "$dossier/$nom" "$parole" ;;
        *.mp3)
            espeak-ng -v fr -s 130 -w "$TMP/parole.wav" "$parole"
            lame --quiet -m m -b 48 "$TMP/parole.wav" "$dossier/$nom"
            ;;
        esac
    done
}

# carte FILE LETTER COLOUR: a coloured card with a letter, the size of the item picture.
carte() {
    convert -size 160x160 "xc:$3" -font "$POLICE" -pointsize 110 -fill white -gravity center \
        -annotate +0+0 "$2" -quality 85 "$1"
}

# --- Exercise bank: two theme folders, exercise folders of 4, 5 and 6 items, one in folder
# order, one without any sound.
dicte "Animaux/La ferme" \
    "la vache.wav|la vache" "le cochon.wav|le cochon" "la poule.wav|la poule" "le mouton.mp3|le mouton"
texte "$BANQUE/Animaux/La ferme/La Vache.TXT" "La vache vit dans le pré." "Elle nous donne du lait."
texte "$BANQUE/Animaux/La ferme/la poule.txt" "La poule pond des œufs."
carte "$BANQUE/Animaux/La ferme/LA VACHE.jpg" V '#f4a261'
carte "$BANQUE/Animaux/La ferme/le cochon.JPG" C '#e07a9a'

dicte "Animaux/La forêt" \
    "le renard.mp3|le renard" "le hibou.wav|le hibou" "l#apo#écureuil.mp3|l'écureuil" \
    "le sanglier.mp3|le sanglier" "la biche.wav|la biche" "le loup.mp3|le loup"
carte "$BANQUE/Animaux/La forêt/Le Loup.JPG" L '#6c757d'
texte "$BANQUE/Animaux/La forêt/L#APO#ÉCUREUIL.TXT" "L'écureuil cache des noisettes pour l'hiver."

dicte "Mots invariables" \
    "aujourd#apo#hui.wav|aujourd'hui" "toujours.mp3|toujours" "beaucoup.wav|beaucoup" \
    "parce que.mp3|parce que" "maintenant.mp3|maintenant" "longtemps.mp3|longtemps"

dicte "Le son œ" \
    "sœur.wav|sœur" "cœur.wav|cœur" "œuf.mp3|œuf" "nœud.mp3|nœud" "bœuf.mp3|bœuf"
texte "$BANQUE/Le son œ/SŒUR.txt" "Ma sœur a huit ans."
carte "$BANQUE/Le son œ/cœur.jpg" '♥' '#d62828'

# Items with two accepted spellings: the recording says one, the name gives both.
dicte "Orthographe/Deux orthographes" \
    "clé£clef.wav|clé" "nénuphar£nénufar.mp3|nénuphar" "événement£évènement.mp3|événement" \
    "oignon£ognon.mp3|oignon" "paie£paye.mp3|paie"
texte "$BANQUE/Orthographe/En préparation/A LIRE.TXT" \
    "Les enregistrements de cette dictée ne sont pas encore prêts."

dicte "Une histoire dans l'ordre" \
    "##01#Le chat dort sur le lit.mp3|Le chat dort sur le lit." \
    "##02#Il se réveille.mp3|Il se réveille." \
    "##03#Il a faim.mp3|Il a faim." \
    "##04#Il mange ses croquettes.mp3|Il mange ses croquettes." \
    "##05#Quelle belle journée #exc#.mp3|Quelle belle journée !"
carte "$BANQUE/Une histoire dans l'ordre/##01#LE CHAT DORT SUR LE LIT.jpg" Z '#5e60ce'

# --- Default pictures: at start, and while an item has none of its own.
convert -size 160x160 xc:'#87ceeb' -font "$POLICE" -fill '#1e4f8f' -gravity north -pointsize 96 \
    -annotate +0+4 '♫' -pointsize 22 -fill white -annotate +0+118 'Castiflore' -quality 90 \
    "$D/tlv_pardefaut.jpg"
# A loudspeaker and its three waves: rings cut down to a wedge, then the speaker over them.
bleu='#1e4f8f' ciel='#dff2fb'
convert -size 160x160 "xc:$ciel" -stroke none \
    -fill "$bleu" -draw "circle 58,80 131,80" -fill "$ciel" -draw "circle 58,80 125,80" \
    -fill "$bleu" -draw "circle 58,80 111,80" -fill "$ciel" -draw "circle 58,80 105,80" \
    -fill "$bleu" -draw "circle 58,80 91,80" -fill "$ciel" -draw "circle 58,80 85,80" \
    -draw "polygon 58,80 211,-49 -10,-49 -10,160 211,209" -draw "rectangle 0,0 58,160" \
    -fill "$bleu" -draw "rectangle 22,62 44,98" -draw "polygon 44,62 74,38 74,122 44,98" \
    -type Palette -compress None "BMP3:$D/tlv_pardefaut.bmp"

# --- Settings file, in the form the settings dialog writes it.
texte "$D/castiflore.ini" \
    "[Mot de passe enseignant]" "Mot de passe = prof" "" \
    "[Mot de passe élève]" "Actif = Oui" "" \
    "[Nombre de réponses justes nécessaires pour qu'un item soit supprimé de la liste]" \
    "Reponses necessaires = 3" "" \
    "[Temps de lecture en secondes suite à un second échec]" "Temps lecture = 3" "" \
    "[Activer les bruitages oui/non]" "Bruitage = Oui" "" \
    "[Proposer aux élèves de s'inscrire]" "Ajout nouvel eleve = Oui" "" \
    "[Proposer aux élèves l'impression de leur bilan en fin de session oui/non]" "Impression = Oui" "" \
    "[Répertoire où se trouve le dossier [_Exercices_CSF], contenant les exercices]" "Repertoire = " "" \
    "[Répertoire où se trouve le dossier [_bilans], contenant l'enregistrement des bilans]" "Bilan = " "" \
    "[Permettre aux élèves d'accéder au répertoire contenant les exercices]" "Enregistrement texte = Non" "" \
    "[Chemin du logiciel utilisé pour l'enregistrement de fichiers sons]" "CheminLogSon = " "" \
    "[Respect des majuscules]" "Respect majuscules = Non" "" \
    "[Proposer aux élèves l'enregistrement de fichiers sons]" "Enregistrement Son = Non" "" \
    "[Police utilisée]" "Police = DejaVu Sans" "Taille police = 14" "Style police = " "Couleur police = 0"

# --- Pupils: Léa has worked three dictations; Tom's successes file has the older name, which
# his first sign-in changes.
tirets=$(printf '%068d' 0 | tr 0 -)
texte "$D/_Bilans/CM1/Léa_CSF_Detail.txt" \
    "17/11/2025 à 14:02:10 - 4 items - Exercice sur [La ferme]" \
    "la vache : [4 s - 1 essai]" \
    "le cochon : le cauchon [9 s - 2 essais]" \
    "la poule : [3 s - 1 essai]" \
    "le mouton : [6 s - 1 essai]" \
    "le cochon : [3 s - 1 essai (déjà tenté)]" \
    "" "Temps exercice : 25 s." "Score : 19/20." "$tirets" \
    "24/11/2025 à 09:15:40 - 4 items - Exercice sur [Le son œ]" \
    "sœur : [5 s - 1 essai]" \
    "nœud : neu - nœu [14 s - 3 essais]" \
    "œuf : [4 s - 1 essai]" \
    "bœuf : bœf" \
    "Exercice interrompu après 23 s." "$tirets" \
    "01/12/2025 à 10:30:05 - 4 items - Exercice sur [La ferme]" \
    "la vache : [3 s - 1 essai]" \
    "le mouton : le moutont [7 s - 2 essais]" \
    "la poule : [2 s - 1 essai]" \
    "le cochon : [4 s - 1 essai]" \
    "le mouton : [3 s - 1 essai (déjà tenté)]" \
    "" "Temps exercice : 19 s." "Score : 19/20." "$tirets"
texte "$D/_Bilans/CM1/Léa_CSF_Exos.txt" \
    "17/11/2025 | Terminé    |   19 /  20 | La ferme" \
    "24/11/2025 | Interrompu |   12 /  20 | Le son œ" \
    "01/12/2025 | Terminé    |   19 /  20 | La ferme"
texte "$D/_Bilans/CM1/Léa_CSF_Reussites.txt" \
    "la vache|2" "la poule|2" "le mouton|1-0" "sœur|1" "œuf|1" "le cochon|1"
texte "$D/_Bilans/CM1/Tom.txt" "la vache|3" "la poule|2-1" "le renard|1"

# --- Help page for the teacher.
mkdir -p "$D/_Aide/castiflore"
sed 's/$/\r/' outils/aide_castiflore.htm | iconv -f UTF-8 -t WINDOWS-1252 > "$D/_Aide/castiflore/index.htm"

echo "Classe d'exemple de Castiflore régénérée dans $D/."
