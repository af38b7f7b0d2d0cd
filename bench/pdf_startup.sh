#!/usr/bin/env bash
# Times `fichas pdf FCA <code> out.pdf --pasta <folder>` for a saved FCA against a bare
# Qt program that only starts a QApplication (offscreen) and exits, on this machine in
# one run, and prints both times and their ratio. Target: at most 1.5.
#
# Usage: bench/pdf_startup.sh [path/to/fichas]     (default: build/fichas)
#        RUNS=N to change the number of timed runs of each (default 30).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
fichas=${1:-$root/build/fichas}
runs=${RUNS:-30}
target=1.5

if [[ ! -x $fichas ]]; then
    echo "fichas não encontrado em $fichas (compile antes: scripts/build)" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The yardstick, built with the same Qt.
g++ -O2 -std=c++20 -fPIC "$here/bare_start.cpp" -o "$work/bare_start" \
    $(pkg-config --cflags --libs Qt6Widgets)

# A saved FCA, code 7: the catalogue line and the record file (tag order of the
# editor, CR LF, plain ASCII so the Windows-1252 file needs no conversion).
pasta=$work/pasta
mkdir -p "$pasta/Dados"
printf '07 Bancada\r\n' >"$pasta/Dados/Lista_Fca.fca"
{
    line() { printf '%03d %s\r\n' "$1" "$2"; }
    line 1 "PRODUTOR TITULAR DA SILVA"
    line 2 "123.456.789-09"
    line 3 "FAZENDA BOA VISTA"
    line 4 "123.456.78-9"
    for k in 1 2 3; do
        b=$((100 * k))
        line $((b + 2)) "987.654.321-00"
        line $((b + 5)) "PRODUTOR NUMERO $k"
        line $((b + 6)) "RUA"
        line $((b + 7)) "DAS FLORES"
        line $((b + 8)) "12$k"
        line $((b + 9)) "CASA $k"
        line $((b + 10)) "CENTRO"
        line $((b + 11)) "01234-567"
        line $((b + 13)) "SEDE"
        line $((b + 14)) "MUNICIPIO"
        line $((b + 15)) "025"
        line $((b + 1)) "001"
        line $((b + 12)) "(11)3333-4444"
        line $((b + 3)) "1234567"
        line $((b + 4)) "025"
    done
} >"$pasta/Dados/Fca_7.fca"

"$fichas" pdf FCA 7 "$work/out.pdf" --pasta "$pasta" >/dev/null 2>"$work/err.txt" || { cat "$work/err.txt" >&2; exit 1; }
if [[ ! -s $work/out.pdf ]]; then
    echo "fichas pdf não gerou o PDF" >&2
    exit 1
fi

# The two commands take turns, run after run, so that a machine whose speed drifts (a
# virtual machine, a laptop's governor) slows both alike; medians keep out the odd slow run.
python3 - "$runs" "$target" "$work/bare_start" -- "$fichas" pdf FCA 7 "$work/out.pdf" --pasta "$pasta" <<'PY'
import os, statistics, subprocess, sys, time
runs, target = int(sys.argv[1]), float(sys.argv[2])
sep = sys.argv.index('--')
bare, pdf = sys.argv[3:sep], sys.argv[sep + 1:]
def once(cmd):
    start = time.perf_counter()
    subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return (time.perf_counter() - start) * 1000.0
for _ in range(3):   # warm the caches
    once(bare); once(pdf)
times = {'bare': [], 'pdf': []}
for _ in range(runs):
    times['bare'].append(once(bare))
    times['pdf'].append(once(pdf))
b, p = statistics.median(times['bare']), statistics.median(times['pdf'])
print("QApplication vazia (offscreen): %.1f ms (mediana de %d)" % (b, runs))
print("fichas pdf FCA:                 %.1f ms (mediana de %d)" % (p, runs))
print("razão:                          %.2f (meta: até %.1f)" % (p / b, target))
sys.exit(0 if p / b <= target else 1)
PY
