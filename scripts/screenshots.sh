#!/usr/bin/env bash
# A picture of every page as it looks after start-up, under build/screenshots/.
# Usage: scripts/screenshots.sh [build-dir]
set -euo pipefail
build="${1:-build}"
out="$build/screenshots"
mkdir -p "$out"
pages=(Tbg Trd Tol Tat Tre Tabdeckung TLeitern TFip Tsolar Tsber TSkimmer TLight Tbrs Tureiniger
       Tsave Tendpr Tartikel Tmss Tmzs Tmezs)
for p in "${pages[@]}"; do
  QT_QPA_PLATFORM=offscreen "$build/tools/nixaro_pageshot" "$p" "$out/$p.png"
done
echo "${#pages[@]} pages in $out"
