#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up speed and memory of carrelis and navirelle against a bare Qt Widgets program (bench_nu):
# the time from the start of the process to its main window mapped and painted, and its resident
# memory once it has settled, on a virtual screen of 1024 x 768 without a window manager, on a
# D-Bus session bus of its own (as a desktop gives one, with its round trips).
# The three are started the same way, interleaved, TOURS rounds (25 by default) after one run each
# that warms the disk and font caches; the order turns at each round. Targets: a median within
# 1.10 x the bare program's time and 1.05 x its memory (next step: 1.05 x its time). The processor
# time each used until its first paint is shown beside: on a machine busy with other work, the
# elapsed times stretch and their ratio says little, the processor times hardly move.
# TOURS=1 (the tests' quick pass) starts each once: it fails only when a menu never shows.
# INSTRUCTIONS=1 counts each start's instructions instead (below).
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$racine/build}
tours=${TOURS:-25}
chrono=$build/bench/chrono_demarrage
rapport_max=1.10
rapport_suivant=1.05
memoire_max=1.05

for f in "$chrono" "$build/bench/bench_nu" "$build/bin/carrelis" "$build/bin/navirelle"; do
  [ -x "$f" ] || { echo "demarrage.sh : $f manque ; lancez d'abord « make build »." >&2; exit 1; }
done
for outil in Xvfb dbus-run-session; do
  command -v "$outil" > /dev/null || { echo "demarrage.sh : $outil manque (scripts/install-deps)." >&2; exit 1; }
done

# A session bus of its own, whatever the caller has: the programs talk to it at start (the
# accessibility bus) as they do on a desktop.
if [ -z "${DEMARRAGE_BUS_PROPRE:-}" ]; then
  DEMARRAGE_BUS_PROPRE=1 exec dbus-run-session -- "$0" "$@"
fi

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

# INSTRUCTIONS=1: each program started once under valgrind's callgrind, to its painted menu and
# the 300 ms after, every thread counted. Instructions are the same from one run to the next,
# whatever else the machine does: a change of a few per cent shows there, where the times above
# need many rounds on a quiet machine to show it. The counts of the phases that weigh most follow.
# CALLGRIND_DANS=<folder> keeps the counts there (callgrind.<program>), and OPTIONS_CALLGRIND adds
# options to valgrind's (scripts/ordre-demarrage asks for the functions' linker names).
if [ -n "${INSTRUCTIONS:-}" ]; then
  command -v valgrind > /dev/null || { echo "demarrage.sh : valgrind manque (apt-get install valgrind)." >&2; exit 1; }
  phases=("QApplication::QApplication(int" "FcInit " "TF_Menu::TF_Menu(" "QWidget::show()"
          "QWidgetRepaintManager::paintAndFlush()" "QFontconfigDatabase::setupFontEngine("
          "QFontEngineFT::loadGlyph(" "QTextEngine::shape(int)")
  echo "Instructions jusqu'au menu peint (+ 300 ms), en millions :"
  for n in "${noms[@]}"; do
    sortie=$travail/callgrind.$n
    # shellcheck disable=SC2086 # the options are words
    "$chrono" "${titre[$n]}" "${dossier[$n]}" "$(command -v valgrind)" --tool=callgrind ${OPTIONS_CALLGRIND:-} \
      --callgrind-out-file="$sortie" \
      "${programme[$n]}" > /dev/null 2>&1 || true
    for _ in $(seq 50); do grep -q '^summary:' "$sortie" 2> /dev/null && break; sleep 0.1; done
    total=$(sed -n 's/^summary: *//p' "$sortie")
    [ -n "$total" ] || { echo "demarrage.sh : callgrind n'a rien compté pour $n." >&2; exit 1; }
    [ -n "${CALLGRIND_DANS:-}" ] && cp "$sortie" "$CALLGRIND_DANS/"
    [ "$n" = nu ] && total_nu=$total
    awk -v n="$n" -v t="$total" -v tn="$total_nu" 'BEGIN { printf "%-10s %8.1f  %5.2fx\n", n, t / 1e6, t / tn }'
    inclusifs=$(callgrind_annotate --inclusive=yes --threshold=100 "$sortie" 2> /dev/null)
    for phase in "${phases[@]}"; do
      { grep -F -m 1 "$phase" <<< "$inclusifs" || true; } |
        awk -v p="$phase" '{ gsub(",", "", $1); printf "    %-42s %6.1f\n", p, $1 / 1e6 }'
    done
  done
  exit 0
fi
echo "Démarrage jusqu'au menu peint, $tours lancements de chaque programme, entrelacés (écran $DISPLAY, 1024 x 768)..."
for tour in $(seq "$tours"); do
  # nu carrelis navirelle, then carrelis navirelle nu...: none always follows the same one.
  for i in 0 1 2; do
    n=${noms[$(((tour + i) % 3))]}
    mesurer "$n" "$travail/$n.txt"
  done
done

# Median (the middle value, or the mean of the two middle ones) and maximum of one column.
statistique() { # file, column
  sort -n -k"$2","$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.1f %.1f\n", m, v[NR] }'
}

# How far the time ratio could move from one run to the next: each start on these machines lies
# within about a tenth of its program's median, so 25 rounds give the ratio of two medians to a
# few hundredths only. The rounds of both programs are drawn again with replacement, 2000 times
# (a bootstrap, with a fixed seed: the same times give the same interval), and the 2.5th and
# 97.5th percentiles of the ratio of medians are shown beside it. Fewer than 5 rounds: none.
intervalle() { # program's file, bare program's file
  awk 'FNR == 1 { f++ } f == 1 { a[++na] = $1 } f == 2 { b[++nb] = $1 }
    function trier(v, n,    i, j, x) {
      for (i = 2; i <= n; i++) { x = v[i]; for (j = i - 1; j >= 1 && v[j] > x; j--) v[j + 1] = v[j]; v[j + 1] = x }
    }
    function mediane(v, n) {
      trier(v, n)
      return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    }
    END {
      if (na < 5 || nb < 5) { print "-"; exit }
      srand(1)
      for (k = 1; k <= 2000; k++) {
        for (i = 1; i <= na; i++) x[i] = a[int(rand() * na) + 1]
        for (i = 1; i <= nb; i++) y[i] = b[int(rand() * nb) + 1]
        r[k] = mediane(x, na) / mediane(y, nb)
      }
      trier(r, 2000)
      printf "%.2f-%.2f\n", r[50], r[1951] }' "$1" "$2"
}

read -r temps_nu _ < <(statistique "$travail/nu.txt" 1)
read -r memoire_nu _ < <(statistique "$travail/nu.txt" 2)
read -r processeur_nu _ < <(statistique "$travail/nu.txt" 3)
manque=0
# Written out: printf would count the bytes of "é" and shift the columns.
echo
echo "programme   médiane ms   max ms   rapport   à 95 %     RSS Mo   rapport   processeur ms   rapport  objectif"
for n in "${noms[@]}"; do
  read -r temps maximum < <(statistique "$travail/$n.txt" 1)
  read -r memoire _ < <(statistique "$travail/$n.txt" 2)
  read -r processeur _ < <(statistique "$travail/$n.txt" 3)
  bornes=-
  [ "$n" != nu ] && bornes=$(intervalle "$travail/$n.txt" "$travail/nu.txt")
  # The row, and a failure status when a program misses a target.
  awk -v n="$n" -v t="$temps" -v x="$maximum" -v tn="$temps_nu" -v m="$memoire" -v mn="$memoire_nu" \
    -v p="$processeur" -v pn="$processeur_nu" -v rt="$rapport_max" -v rs="$rapport_suivant" \
    -v rm="$memoire_max" -v ic="$bornes" 'BEGIN {
      v = ""
      if (t / tn > rt) v = "trop lent"
      if (m / mn > rm) v = v (v == "" ? "" : ", ") "trop de mémoire"
      verdict = n == "nu" ? "-" : v != "" ? "MANQUÉ : " v : t / tn <= rs ? "tenu, palier suivant aussi" : "tenu"
      printf "%-10s %11.1f %8.1f %8.2fx   %-9s %7.1f %8.2fx %15.1f %8.2fx  %s\n", n, t, x, t / tn, ic, m / 1024,
             m / mn, p, p / pn, verdict
      exit (n != "nu" && v != "") }' || manque=1
done
echo "(médianes des $tours lancements ; rapports à bench_nu ; objectifs : temps ≤ ${rapport_max} x, mémoire ≤ ${memoire_max} x,"
echo " puis temps ≤ ${rapport_suivant} x ; à 95 % : où le rapport des temps tombe d'une série de $tours tours à l'autre,"
echo " par rééchantillonnage des tours ; RSS 300 ms après la première peinture ; processeur : jusqu'à la première peinture)"
if [ "$manque" -ne 0 ]; then
  echo "demarrage.sh : objectif manqué (temps ≤ ${rapport_max} x, mémoire ≤ ${memoire_max} x le programme nu)." >&2
  # One start each says nothing of the speed on a machine busy with other work: only the menus count.
  [ "$tours" -gt 1 ] && exit 1
fi
exit 0
