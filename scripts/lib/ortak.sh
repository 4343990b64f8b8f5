# Shared by scripts/test and scripts/demo.
kok="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Installs the Debian packages listed in scripts/lib/paketler that are missing.
paketleri_kur() {
    local eksik=()
    while read -r paket; do
        case "$paket" in ''|'#'*) continue ;; esac
        dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed' || eksik+=("$paket")
    done < "$kok/scripts/lib/paketler"
    [ ${#eksik[@]} -eq 0 ] && return 0
    echo "Kuruluyor: ${eksik[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${eksik[@]}"
}

# Configures and builds everything into build/.
derle() {
    cmake -S "$kok" -B "$kok/build" -G Ninja >/dev/null
    cmake --build "$kok/build"
}
