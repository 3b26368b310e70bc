#!/bin/sh
# Draws the installation pictures of the Vargedo deployment (coat of arms, secretariat logo,
# letterhead banners, backgrounds, enrolment-documents slips). Run again after changing the
# letterhead data in installation.json: the banners carry the CNPJ. Needs ImageMagick 6.
set -eu
cd "$(dirname "$0")"

CONVERT=${CONVERT:-/usr/bin/convert}
FONT=DejaVu-Sans
FONTB=DejaVu-Sans-Bold
CNPJ=$(python3 -c 'import json;print(json.load(open("installation.json"))["letterhead"]["cnpj"])')

BLUE='#1d4e89'
GOLD='#e0b040'
GREEN='#2e8b57'

# Coat of arms: a blue shield with a golden border, a mural crown, hills over a river and a star.
coat_of_arms() { # $1 output, $2 field colour, $3 band colour
    $CONVERT -size 600x600 xc:none \
        -fill "$GOLD" -stroke '#8a6a10' -strokewidth 6 \
        -draw "path 'M 110,150 L 490,150 L 490,330 Q 490,500 300,575 Q 110,500 110,330 Z'" \
        -fill "$2" -stroke none \
        -draw "path 'M 130,170 L 470,170 L 470,330 Q 470,485 300,550 Q 130,485 130,330 Z'" \
        -fill "$3" -draw "path 'M 130,360 Q 215,300 300,360 Q 385,420 470,360 L 470,400 Q 385,460 300,400 Q 215,340 130,400 Z'" \
        -fill '#3c9a5f' -draw "path 'M 130,340 Q 210,230 300,330 Q 390,230 470,340 L 470,362 Q 385,420 300,362 Q 215,300 130,362 Z'" \
        -fill "$GOLD" -draw "polygon 300,195 314,238 360,238 323,264 337,308 300,282 263,308 277,264 240,238 286,238" \
        -fill "$GOLD" -stroke '#8a6a10' -strokewidth 4 \
        -draw "path 'M 170,140 L 170,70 L 205,70 L 205,95 L 245,95 L 245,60 L 280,60 L 280,95 L 320,95 L 320,60 L 355,60 L 355,95 L 395,95 L 395,70 L 430,70 L 430,140 Z'" \
        -fill '#8a6a10' -stroke none -draw "rectangle 290,110 310,140" \
        -fill white -stroke "$BLUE" -strokewidth 3 \
        -draw "path 'M 40,465 Q 300,530 560,465 L 560,530 Q 300,595 40,530 Z'" \
        -stroke none -fill "$BLUE" -font "$FONTB" -pointsize 40 -gravity north \
        -annotate +0+503 'VARGEDO' \
        "$1"
}

coat_of_arms brasao.png "$BLUE" '#9fd3f5'
coat_of_arms brasao_transporte.png '#7a1f1f' '#9fd3f5'

# Secretariat logo: a green disc with an open book and the secretariat's initials.
$CONVERT -size 600x600 xc:none \
    -fill "$GREEN" -stroke '#1b5e3a' -strokewidth 8 -draw 'circle 300,300 300,30' \
    -fill white -stroke none -draw 'circle 300,300 300,60' \
    -fill "$GREEN" -draw "path 'M 300,200 Q 230,165 140,180 L 140,360 Q 230,345 300,380 Z'" \
    -fill "$BLUE" -draw "path 'M 300,200 Q 370,165 460,180 L 460,360 Q 370,345 300,380 Z'" \
    -stroke white -strokewidth 4 \
    -draw "line 165,220 280,235" -draw "line 165,260 280,275" -draw "line 165,300 280,315" \
    -draw "line 320,235 435,220" -draw "line 320,275 435,260" -draw "line 320,315 435,300" \
    -stroke none -fill "$GOLD" -draw "polygon 300,95 310,125 342,125 316,144 326,174 300,156 274,174 284,144 258,125 290,125" \
    -fill "$GREEN" -font "$FONTB" -pointsize 64 -gravity center -annotate +0+135 'SME' \
    -fill "$BLUE" -font "$FONTB" -pointsize 24 -annotate +0+192 'EDUCAÇÃO' \
    logo_sme.png

# Transport logo: a school bus on a yellow disc.
$CONVERT -size 600x600 xc:none \
    -fill '#f4c20d' -stroke '#9a7a00' -strokewidth 8 -draw 'circle 300,300 300,30' \
    -fill '#f7d23e' -stroke '#333333' -strokewidth 6 -draw 'roundrectangle 110,190 490,390 30,30' \
    -fill '#cfe8ff' -strokewidth 4 \
    -draw 'rectangle 140,215 210,285' -draw 'rectangle 225,215 295,285' \
    -draw 'rectangle 310,215 380,285' -draw 'rectangle 395,215 465,320' \
    -fill '#333333' -stroke none -draw 'rectangle 120,305 380,320' \
    -fill '#333333' -draw 'circle 190,395 190,355' -draw 'circle 410,395 410,355' \
    -fill '#bbbbbb' -draw 'circle 190,395 190,375' -draw 'circle 410,395 410,375' \
    -fill '#333333' -font "$FONTB" -pointsize 30 -gravity center -annotate +0-140 'TRANSPORTE' \
    -font "$FONTB" -pointsize 34 -annotate +0+170 'ESCOLAR' \
    logo_transporte.png

# Letterhead banners: coat of arms, the town hall and secretariat names with the CNPJ, and the logo.
banner() { # $1 output, $2 width, $3 height
    h=$3
    pic=$((h * 85 / 100))
    $CONVERT -size "$2x$h" xc:white \
        \( brasao.png -resize "${pic}x${pic}" \) -gravity west -geometry +20+0 -composite \
        \( logo_sme.png -resize "${pic}x${pic}" \) -gravity east -geometry +20+0 -composite \
        -fill "$BLUE" -font "$FONTB" -pointsize $((h * 17 / 100)) -gravity center \
        -annotate +0-$((h * 24 / 100)) 'PREFEITURA MUNICIPAL DE VARGEDO' \
        -fill '#222222' -pointsize $((h * 11 / 100)) -annotate +0+$((h * 2 / 100)) 'SECRETARIA MUNICIPAL DE EDUCAÇÃO' \
        -font "$FONT" -pointsize $((h * 9 / 100)) -annotate +0+$((h * 22 / 100)) "CNPJ/MF: $CNPJ" \
        -fill "$GOLD" -stroke none -draw "rectangle $((pic + 60)),$((h - h / 10)) $(($2 - pic - 60)),$((h - h / 10 + h / 40 + 2))" \
        "$1"
}
banner banner_grande.png 2400 360
banner banner_pequeno.png 2000 220

# Main-window background: a soft blue gradient with the coat of arms faded in.
$CONVERT -size 1920x1080 gradient:'#eaf2fb'-'#9dbfe3' \
    \( brasao.png -resize 520x520 -channel A -evaluate multiply 0.18 +channel \) \
    -gravity center -geometry +0-60 -composite \
    -fill '#1d4e8966' -font "$FONTB" -pointsize 54 -annotate +0+270 'SECRETARIA MUNICIPAL DE EDUCAÇÃO' \
    -fill '#1d4e8955' -font "$FONT" -pointsize 34 -annotate +0+335 'PREFEITURA MUNICIPAL DE VARGEDO' \
    fundo_principal.png

# Login background: a dark blue gradient with a golden line.
$CONVERT -size 900x520 gradient:'#1d4e89'-'#0c2340' \
    \( logo_sme.png -resize 260x260 -channel A -evaluate multiply 0.25 +channel \) \
    -gravity east -geometry +30+0 -composite \
    -fill "$GOLD" -draw 'rectangle 0,500 900,506' \
    fundo_login.png

# Contact-card background: white card with a blue band, the logo and the secretariat's name.
$CONVERT -size 900x500 xc:white \
    -fill '#eaf2fb' -draw 'rectangle 0,0 900,500' \
    -fill "$BLUE" -draw 'rectangle 0,0 900,110' \
    -fill "$GOLD" -draw 'rectangle 0,110 900,118' \
    \( logo_sme.png -resize 90x90 \) -gravity northwest -geometry +15+10 -composite \
    -fill white -font "$FONTB" -pointsize 30 -gravity north -annotate +40+25 'SECRETARIA MUNICIPAL DE EDUCAÇÃO' \
    -font "$FONT" -pointsize 22 -annotate +40+68 'VARGEDO' \
    -fill "$BLUE" -draw 'rectangle 0,470 900,500' \
    fundo_cartao.png

# Enrolment-documents slip, once (for the referral letter) and three side by side (the sheet of slips).
$CONVERT -size 760x420 xc:white -stroke black -strokewidth 3 -fill none -draw 'rectangle 4,4 755,415' \
    -stroke none -fill black -font "$FONTB" -pointsize 25 -gravity northwest \
    -annotate +24+22 'DOCUMENTOS NECESSÁRIOS PARA MATRÍCULA:' \
    -font "$FONT" -pointsize 22 \
    -annotate +30+90 '► CERTIDÃO DE NASCIMENTO E CPF (SE TIVER)' \
    -annotate +30+140 '► NÚMERO DO NIS' \
    -annotate +30+190 '► CARTÃO DO SUS' \
    -annotate +30+240 '► COMPROVANTE DE RESIDÊNCIA' \
    -annotate +30+290 '► RG E CPF DOS RESPONSÁVEIS' \
    -annotate +30+340 '► DECLARAÇÃO DE TRANSFERÊNCIA' \
    -annotate +58+372 '(ALUNOS DO ENSINO FUNDAMENTAL)' \
    documentos_necessarios.png
$CONVERT documentos_necessarios.png \( documentos_necessarios.png \) \( documentos_necessarios.png \) \
    -bordercolor white -border 10 +append +repage documentos_matricula.png

# Small files: these pictures are copied beside every workstation's program.
for f in *.png; do
    $CONVERT "$f" -strip "$f"
done
