#!/usr/bin/env bash
# Installs what building, running and testing Quillfen needs, from Debian's packages.
# Safe to run again: it installs only what is missing. Needs root (or sudo).
#
# Where nothing can be installed (no dpkg or apt-get, or neither root nor sudo), it
# installs nothing and lets the build go on, for a machine that has the tools
# already: it looks for each missing package's command, CMake package, header or
# font, and names what it does not find with the Debian package that provides it.
# CMake then stops with its own message where something essential lacks.
set -euo pipefail

# Each package, with what shows it is there where dpkg cannot tell: a command on
# the PATH, a CMake package (with components), a C++ header, a clang runtime
# library or a font family.
needs=(
  "cmake             command cmake"
  "ninja-build       command ninja"
  "g++               command g++"
  "make              command make"
  "pkg-config        command pkg-config"
  "qt6-base-dev      cmake Qt6 Widgets Test"
  "libgl-dev         cmake OpenGL"
  "libgtest-dev      cmake GTest"
  "libgmock-dev      header gmock/gmock.h"
  "libbenchmark-dev  cmake benchmark"
  "clang             command clang++"
  "libclang-rt-dev   clang-runtime fuzzer"
  "clang-format      command clang-format"
  "xvfb              command xvfb-run"
  "xauth             command xauth"
  "xdotool           command xdotool"
  "x11-utils         command xwininfo"
  "imagemagick       command import"
  "libx11-dev        cmake X11"
  "libxcb1-dev       header xcb/xcb.h"
  "fonts-dejavu-core font DejaVu Sans"
)
packages=()
for need in "${needs[@]}"; do
  read -r package _ <<<"$need"
  packages+=("$package")
done

# What the evidence of a package names, for a person.
describe() {
  local kind=$1
  shift
  case $kind in
    command) echo "the command $1" ;;
    cmake) echo "the CMake package $1${2:+ with ${*:2}}" ;;
    header) echo "the header <$1>" ;;
    clang-runtime) echo "clang's $1 runtime" ;;
    font) echo "the font $*" ;;
  esac
}

compiler() { command -v g++ || command -v c++ || command -v clang++; }

# Prints "found" or "missing" for each CMake package row given ("Name Component..."),
# in their order; nothing when CMake or a C++ compiler is not there to ask.
probe_cmake_packages() {
  command -v cmake >/dev/null && compiler >/dev/null || return 0
  local probe row name
  probe=$(mktemp -d)
  {
    echo "cmake_minimum_required(VERSION 3.16)"
    echo "project(probe CXX)"
    for row in "$@"; do
      read -r name components <<<"$row"
      echo "find_package($name QUIET${components:+ COMPONENTS $components})"
      echo "if(${name}_FOUND)"
      echo "  message(STATUS \"probe: found\")"
      echo "else()"
      echo "  message(STATUS \"probe: missing\")"
      echo "endif()"
    done
  } >"$probe/CMakeLists.txt"
  cmake -S "$probe" -B "$probe/build" 2>/dev/null | sed -n 's/^-- probe: //p' || true
  rm -rf "$probe"
}

# Whether the evidence of one package is there (status 0) or not (1); status 2,
# with what it takes printed, when it cannot be looked for here.
present() {
  local kind=$1
  shift
  case $kind in
    command) command -v "$1" >/dev/null ;;
    header)
      compiler >/dev/null || { echo "a C++ compiler" && return 2; }
      echo "#include <$1>" | "$(compiler)" -x c++ -std=c++20 -fsyntax-only - 2>/dev/null ;;
    clang-runtime)
      command -v clang++ >/dev/null || { echo "clang++" && return 2; }
      [ -f "$(clang++ -print-file-name="libclang_rt.$1-$(uname -m).a")" ] ;;
    font)
      command -v fc-list >/dev/null || { echo "fc-list" && return 2; }
      [ -n "$(fc-list "$*" family)" ] ;;
  esac
}

# Looks for what the packages given provide, without dpkg, and names what lacks.
report_missing() {
  local need fields package kind k status takes cmake_rows=() cmake_names=() found=() lacking=()
  for need in "${needs[@]}"; do
    read -r -a fields <<<"$need"
    package=${fields[0]}
    kind=${fields[1]}
    [[ " $* " == *" $package "* ]] || continue
    if [ "$kind" = cmake ]; then
      cmake_rows+=("${fields[*]:2}")
      cmake_names+=("$(describe cmake "${fields[@]:2}") (Debian package $package)")
    else
      status=0
      takes=$(present "$kind" "${fields[@]:2}") || status=$?
      case $status in
        1) lacking+=("$(describe "$kind" "${fields[@]:2}") (Debian package $package)") ;;
        2) lacking+=("$(describe "$kind" "${fields[@]:2}") (Debian package $package), not looked for without $takes") ;;
      esac
    fi
  done
  if [ ${#cmake_rows[@]} -gt 0 ]; then
    mapfile -t found < <(probe_cmake_packages "${cmake_rows[@]}")
    for k in "${!cmake_rows[@]}"; do
      if [ ${#found[@]} -eq 0 ]; then
        lacking+=("${cmake_names[$k]}, not looked for without cmake and a C++ compiler")
      elif [ "${found[$k]}" != found ]; then
        lacking+=("${cmake_names[$k]}")
      fi
    done
  fi
  if [ ${#lacking[@]} -eq 0 ]; then
    echo "Everything the build and the tests need is there."
    return
  fi
  echo "Not found:"
  printf '  %s\n' "${lacking[@]}"
  echo "Going on: the build stops where something essential lacks; the tests that use"
  echo "a missing tool fail or are skipped."
}

cannot_install() {
  echo "Cannot install packages here ($1): looking for what the build needs instead."
  shift
  report_missing "$@"
  exit 0
}

if ! command -v dpkg-query >/dev/null; then
  cannot_install "no dpkg" "${packages[@]}"
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || cannot_install "neither root nor sudo" "${missing[@]}"
  sudo="sudo"
fi
command -v apt-get >/dev/null || cannot_install "no apt-get" "${missing[@]}"

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! $sudo apt-get update -qq; then
  [ -n "$sudo" ] || exit 1
  cannot_install "sudo did not run apt-get" "${missing[@]}"
fi
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
