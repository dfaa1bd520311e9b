#!/usr/bin/env bash
# Installs, from Debian's repositories only, every package the project needs
# to build, test, benchmark and fuzz. Safe to run again: when everything is
# already present it returns after one dpkg query.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-declarative-dev qt6-svg-dev libqt6svg6
  libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-odbc
  libsqlite3-dev libpq-dev unixodbc-dev
  unixodbc odbc-postgresql
  libgtest-dev libgmock-dev libbenchmark-dev
  libpcre2-dev
  clang libclang-rt-14-dev
  xvfb xauth imagemagick
  fonts-dejavu-core fonts-liberation
  postgresql sqlite3
  desktop-file-utils appstream dpkg-dev debootstrap
  nagios4-core icinga2-bin
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive
echo "install-deps: installing ${missing[*]}"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
