# Sourced by the build scripts: installs the Debian packages a step needs, when missing.
# Usage: ortavi_need build|test|bench|ci

# The fonts stand in for the Windows ones the windows name: Comic Neue and Andika (its
# Cyrillic) for Comic Sans MS, Liberation Sans for Arial and MS Sans Serif.
# fp-utils brings chmcmd, which compiles help.chm.
ORTAVI_PKGS_build="cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev fonts-comic-neue fonts-sil-andika fonts-liberation fp-utils"
ORTAVI_PKGS_test="$ORTAVI_PKGS_build googletest libgtest-dev libbenchmark-dev"
# The power test runs a private D-Bus with a stand-in for logind (Qt's D-Bus module itself
# comes with qt6-base-dev).
ORTAVI_PKGS_test="$ORTAVI_PKGS_test dbus-daemon"
ORTAVI_PKGS_bench="$ORTAVI_PKGS_build xvfb python3"
ORTAVI_PKGS_ci="$ORTAVI_PKGS_test $ORTAVI_PKGS_bench clang libclang-rt-14-dev llvm g++-mingw-w64-x86-64-posix wine wine64"

ortavi_need() {
    local var="ORTAVI_PKGS_$1" missing=()
    for pkg in ${!var}; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}
