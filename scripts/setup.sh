# Shared set-up of scripts/run and scripts/test: Debian packages, then a
# CMake build in the folder and type given. Sourced, not run.

KALVO_PAQUETS=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libdds-dev nlohmann-json3-dev libcli11-dev
  fonts-dejavu-core fonts-liberation2 xvfb xauth ccache
  desktop-file-utils appstream man-db dpkg-dev file
)

kalvo_installe_paquets() {
  local manquants=()
  local p
  for p in "${KALVO_PAQUETS[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      manquants+=("$p")
    fi
  done
  [ ${#manquants[@]} -eq 0 ] && return 0
  echo "Installation des paquets manquants : ${manquants[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${manquants[@]}"
}

# kalvo_construit DOSSIER TYPE [options cmake...]
kalvo_construit() {
  local dossier=$1 type=$2
  shift 2
  cmake -S "$KALVO_RACINE" -B "$dossier" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@"
  cmake --build "$dossier" --parallel "$(nproc)"
}
