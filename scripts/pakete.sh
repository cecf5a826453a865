# Sourced by setup.sh and web.sh: installs those of the given Debian
# packages that are missing, so that a second run does nothing and needs no
# network.
fehlende_pakete_installieren() {
  local missing=() p sudo=""
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
