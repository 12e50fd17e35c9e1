#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. With no argument it
# works on build/demo/, a copy of the bundled example config made on the
# first run and kept afterwards; ./run.sh DIR works in DIR instead.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
exe="$PWD/build/zok-kit-editor"
if [ $# -ge 1 ]; then
  dir=$1
else
  dir=build/demo
  if [ ! -d "$dir/ZOK_Keycards" ]; then
    mkdir -p "$dir"
    cp -r examples/ZOK_Keycards "$dir/"
  fi
fi
cd "$dir" && exec "$exe"
