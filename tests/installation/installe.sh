#!/usr/bin/env bash
# Installs a build into a staging folder (DESTDIR), as a package does, and
# runs the installed programs from there as a new user would: an empty home,
# none of the variables that choose another data folder. The trainer must
# seed that user's folder from the installed deals, not from the build.
# Usage: installe.sh BUILD_FOLDER APPLICATION_ID
set -euo pipefail
construction=$1
id=$2

racine=$(mktemp -d "${TMPDIR:-/tmp}/kalvo-installation.XXXXXX")
trap 'rm -rf "$racine"' EXIT
racine=$(realpath "$racine")
echec() {
  echo "ÉCHEC : $*" >&2
  exit 1
}

DESTDIR="$racine/destdir" cmake --install "$construction" --prefix /usr > "$racine/install.log"
arbre=$racine/destdir/usr
livrees=$arbre/share/kalvo

for f in bin/kalvo bin/kalvo-deals bin/kalvo-play bin/kalvo-engine; do
  [ -x "$arbre/$f" ] || echec "programme $f non installé"
done
for f in share/kalvo/K01FR.DAT share/kalvo/K01FR.VOL share/kalvo/K01FR_DEMO.DAT share/kalvo/KALVO01.ASK \
         share/kalvo/K01FR_DEMO.VOL \
         share/doc/kalvo/html/index.html share/doc/kalvo/html/aide.css share/doc/kalvo/copyright \
         share/man/man6/kalvo.6.gz share/man/man1/kalvo-deals.1.gz \
         "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$id.svg"; do
  [ -s "$arbre/$f" ] || echec "fichier $f non installé"
done
[ ! -e "$arbre/bin/kalvo-ecrans" ] || echec "l'outil d'images ne s'installe pas"

# A new user.
maison=$racine/maison
mkdir -m 700 "$maison" "$racine/run"
nouvel_utilisateur() {
  env -u KALVO_DATA_DIR -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$maison" XDG_RUNTIME_DIR="$racine/run" "$@"
}
dossier=$maison/.local/share/Kalvo/K1FR

sortie=$(nouvel_utilisateur "$arbre/bin/kalvo" --catalogue) || echec "kalvo --catalogue : statut $?"
echo "$sortie"
grep -qF "copiées de « $livrees » dans « $dossier »" <<< "$sortie" ||
  echec "kalvo --catalogue n'a pas copié les donnes installées ($livrees)"
# A new user opens the whole volume.
grep -qE "^Base K01FR\.DAT : [0-9]+ donnes?$" <<< "$sortie" || echec "pas de catalogue du volume 1"
for f in K01FR.DAT K01FR.VOL K01FR_DEMO.DAT KALVO01.ASK K01FR_DEMO.VOL; do
  cmp -s "$livrees/$f" "$dossier/$f" || echec "$f n'est pas la copie installée"
done

# Once seeded, the folder is the user's: a second start copies nothing.
sortie=$(nouvel_utilisateur "$arbre/bin/kalvo" --catalogue) || echec "second kalvo --catalogue : statut $?"
! grep -qF "copiées" <<< "$sortie" || echec "les donnes ont été copiées une seconde fois"

# The table opens and stays up until it is closed: a start that fails
# writes what it tried on the error output.
statut=0
nouvel_utilisateur QT_QPA_PLATFORM=offscreen timeout 6 "$arbre/bin/kalvo" 2> "$racine/table.err" || statut=$?
[ "$statut" -eq 124 ] || echec "kalvo s'est arrêté seul (statut $statut) : $(cat "$racine/table.err")"
[ ! -s "$racine/table.err" ] || echec "kalvo a écrit en démarrant : $(cat "$racine/table.err")"

# The deals tool reads the installed database (its double-dummy library
# included); the exploration of every line is the delivered-deals test's.
"$arbre/bin/kalvo-deals" check "$livrees/K01FR_DEMO.DAT" --questions "$livrees/KALVO01.ASK" \
  --volume "$livrees/K01FR_DEMO.VOL" --sans-exploration --sans-audit || echec "kalvo-deals check : statut $?"
echo "Installation vérifiée dans $arbre"
