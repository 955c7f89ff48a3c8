#!/bin/sh
# Draws the pictures of the lab help pages from their scenes: every
# content/HELP/Lab*/pic/*.LAB becomes the PNG of the same name beside it,
# 240 x 160 pixels, as orindo-render draws it. Run after changing a scene
# (build the tool first: ninja -C build orindo-render) and commit both.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
tool=${ORINDO_RENDER:-$root/build/program/orindo-render}
width=240
height=160
for scene in "$root"/content/HELP/Lab*/pic/*.LAB; do
  [ -e "$scene" ] || continue
  "$tool" "$scene" "${scene%.LAB}.png" "$width" "$height"
done
