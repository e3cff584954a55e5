#!/usr/bin/env bash
# Checks what the desktop reads of the installed program: the menu entry
# and the metainfo pass their validators, every screenshot the metainfo
# names is one of docs/screenshots, and the manual pages format without a
# warning.
# Usage: bureau.sh SOURCE_FOLDER PACKAGING_BUILD_FOLDER APPLICATION_ID SCREENSHOTS_URL
set -euo pipefail
source=$1 construit=$2 id=$3 url=$4
echec() {
  echo "ÉCHEC : $*" >&2
  exit 1
}
for outil in desktop-file-validate appstreamcli man; do
  command -v "$outil" > /dev/null || echec "$outil manque (scripts/setup.sh installe les paquets des tests)"
done

desktop-file-validate "$construit/$id.desktop" || echec "$id.desktop refusé"
# No network here: the screenshots' addresses are checked against the tree.
appstreamcli validate --no-net --pedantic "$construit/$id.metainfo.xml" || echec "$id.metainfo.xml refusé"

images=$(grep -o '<image>[^<]*</image>' "$construit/$id.metainfo.xml" | sed 's|<image>\(.*\)</image>|\1|')
[ -n "$images" ] || echec "aucune image dans le metainfo"
while read -r image; do
  relative=${image#"$url"/}
  [ "$relative" != "$image" ] || echec "image hors de $url : $image"
  [ -f "$source/docs/screenshots/$relative" ] || echec "image absente de docs/screenshots : $relative"
done <<< "$images"

for page in kalvo.6 kalvo-deals.1; do
  avertissements=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$construit/$page.gz" 2>&1 > /dev/null)
  [ -z "$avertissements" ] || echec "$page : $avertissements"
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$construit/$page.gz" 2> /dev/null | grep -q "^NOM" || echec "$page illisible"
done
echo "Entrée de menu, metainfo, images et pages de manuel vérifiées"
