#!/usr/bin/env bash
# Shared set-up of ./run and ./test: install what is missing, then configure and build into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  qt6-base-dev qt6-image-formats-plugins qt6-qpa-plugins libgl-dev qt6-webengine-dev
  libhunspell-dev hunspell-en-us libmythes-dev mythes-en-us
  wordnet wordnet-base wamerican-large wamerican wbritish dict-gcide
  dictd dict-wn dict python3
  libgtest-dev libbenchmark-dev xvfb xauth imagemagick fonts-dejavu-core
  librsvg2-bin desktop-file-utils
  nodejs zlib1g-dev ccache scowl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
command -v npm >/dev/null 2>&1 || missing+=(npm)

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# dictd's package starts a system daemon; tests run their own on loopback, so stop it quietly.
if command -v systemctl >/dev/null 2>&1 && systemctl is-active --quiet dictd 2>/dev/null; then
  systemctl stop dictd >/dev/null 2>&1 || true
fi

# Pinned npm data packages: tools/<name>/package-lock.json is installed into build/npm/<name>.
for lock in tools/*/package-lock.json; do
  [ -e "$lock" ] || continue
  name=$(basename "$(dirname "$lock")")
  dest=build/npm/$name
  if ! cmp -s "$lock" "$dest/package-lock.json" || [ ! -d "$dest/node_modules" ]; then
    mkdir -p "$dest"
    cp "$(dirname "$lock")/package.json" "$lock" "$dest/"
    (cd "$dest" && npm ci --no-audit --no-fund --silent >/dev/null)
  fi
done

# Every build folder compiles through ccache; paths are taken relative to the checkout so that a
# second clone or work tree reuses the objects of the first.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
fi
mkdir -p build
if ! cmake --build build >build/build.log 2>&1; then
  tail -n 80 build/build.log; echo "build failed (full log: build/build.log)"; exit 1
fi
