#!/usr/bin/env bash
# Renders the PNG icons from the SVG (needs rsvg-convert from librsvg2-bin). Run after
# changing the SVG; the PNGs are kept in the repository.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" org.velmora.Velmora.svg -o "hicolor/${size}x${size}/apps/org.velmora.Velmora.png"
done
