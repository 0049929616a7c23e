#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up speed and memory of carrelis and navirelle against a bare Qt Widgets program (bench_nu):
# the time from the start of the process to its main window mapped and painted, and its resident
# memory once it has settled, on a virtual screen of 1024 x 768 without a window manager.
# The three are started the same way, in turn, TOURS times each (20 by default), after one run
# each that warms the disk and font caches. Targets: within 1.3 x the bare program's median time,
# under 80 MB resident.
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$racine/build}
tours=${TOURS:-20}
chrono=$build/bench/chrono_demarrage
rapport_max=1.3
memoire_max_mo=80

for f in "$chrono" "$build/bench/bench_nu" "$build/bin/carrelis" "$build/bin/navirelle"; do
  [ -x "$f" ] || { echo "demarrage.sh : $f manque ; lancez d'abord « make build »." >&2; exit 1; }
done
command -v Xvfb > /dev/null || { echo "demarrage.sh : Xvfb manque (scripts/install-deps)." >&2; exit 1; }

travail=$(mktemp -d)
xvfb=
nettoyer() {
  [ -n "$xvfb" ] && kill "$xvfb" 2> /dev/null && wait "$xvfb" 2> /dev/null
  rm -rf "$travail"
}
trap nettoyer EXIT

# Xvfb picks a free display itself and writes its number once it accepts connections. The black
# root (-br) is how the chronometer tells a painted window from one not drawn yet.
# -noreset: the server would otherwise restart, and refuse connections, each time its last program ends.
Xvfb -displayfd 3 -screen 0 1024x768x24 -br -noreset -nolisten tcp 3> "$travail/affichage" 2> "$travail/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$travail/affichage" ] && break
  sleep 0.1
done
[ -s "$travail/affichage" ] || { echo "demarrage.sh : Xvfb ne démarre pas :" >&2; cat "$travail/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(tr -d '[:space:]' < "$travail/affichage")
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$travail/xdg
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Each program in a folder of its own holding what it finds beside it when delivered, as
# scripts/lancer prepares it; nothing that a teacher wrote in build/ changes the measure.
preparer() { # program title
  local dossier=$travail/$1
  mkdir -p "$dossier"
  for f in Fond4.bmp "$1_Titre.bmp" "$1.bmp" "AIDE_${1^^}.HLP"; do
    [ -f "$build/donnees/$f" ] && cp "$build/donnees/$f" "$dossier/"
  done
  echo "$dossier"
}

noms=(nu carrelis navirelle)
declare -A titre=([nu]=Nu [carrelis]=Carrelis [navirelle]=Navirelle)
declare -A programme=([nu]=$build/bench/bench_nu [carrelis]=$build/bin/carrelis [navirelle]=$build/bin/navirelle)
declare -A dossier
for n in "${noms[@]}"; do dossier[$n]=$(preparer "${titre[$n]}"); done

mesurer() { # name, output file
  "$chrono" "${titre[$1]}" "${dossier[$1]}" "${programme[$1]}" >> "$2"
}

for n in "${noms[@]}"; do mesurer "$n" /dev/null; done
echo "Démarrage jusqu'au menu peint, $tours lancements de chaque programme (écran $DISPLAY, 1024 x 768)..."
for _ in $(seq "$tours"); do
  for n in "${noms[@]}"; do mesurer "$n" "$travail/$n.txt"; done
done

# Median (the middle value, or the mean of the two middle ones) and maximum of one column.
statistique() { # file, column
  sort -n -k"$2","$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.1f %.1f\n", m, v[NR] }'
}

read -r mediane_nu _ < <(statistique "$travail/nu.txt" 1)
ecart=0
# Written out: printf would count the bytes of "é" and shift the columns.
echo
echo "programme   médiane ms   max ms   rapport   RSS Mo  objectif"
for n in "${noms[@]}"; do
  read -r mediane maximum < <(statistique "$travail/$n.txt" 1)
  read -r _ rss_max_ko < <(statistique "$travail/$n.txt" 2)
  # The row, and a failure status when a program misses a target.
  awk -v n="$n" -v m="$mediane" -v x="$maximum" -v r="$mediane_nu" -v k="$rss_max_ko" \
    -v rm="$rapport_max" -v mm="$memoire_max_mo" 'BEGIN {
      v = ""
      if (m / r > rm) v = "trop lent"
      if (k / 1024 >= mm) v = v (v == "" ? "" : ", ") "trop de mémoire"
      verdict = n == "nu" ? "-" : v == "" ? "tenu" : "MANQUÉ : " v
      printf "%-10s %11.1f %8.1f %8.2fx %8.1f  %s\n", n, m, x, m / r, k / 1024, verdict
      exit (n != "nu" && v != "") }' || ecart=1
done
echo "(rapport : médiane du programme / médiane de bench_nu ; RSS : le plus haut des $tours lancements, 300 ms après la première peinture)"
[ "$ecart" -eq 0 ] || echo "demarrage.sh : objectif manqué (au plus ${rapport_max} x le programme nu, moins de ${memoire_max_mo} Mo)." >&2
exit 0
