#!/usr/bin/env bash
# GetProductos over 10,000 and 100,000 products through HTTPS: wall time,
# bytes sent and the server's peak memory; then GetAlmacenes requests per
# second with sessions; then the serialisation cost against reading the rows.
set -euo pipefail
source "$(dirname "$0")/servidor_bench.sh"
GENERA=${GENERA:-build/release/genera_datos}
SERIALIZA=${SERIALIZA:-build/release/bench_serializacion}
[ -x "$GENERA" ] && [ -x "$SERIALIZA" ] || cmake --build build/release --target genera_datos bench_serializacion
DURACION=${DURACION:-10s}

"$GENERA" "$HOME_BENCH/datos/bench10k.db" 10000 100 10 >/dev/null
"$GENERA" "$HOME_BENCH/datos/bench100k.db" 100000 100 10 >/dev/null
arranca_servidor

pico() { sed -nE 's/^VmHWM:\s+([0-9]+) kB/\1/p' "/proc/$PID_SERVIDOR/status"; }
echo "== GetProductos (peak memory of the server before: $(pico) kB)"
for base in bench10k bench100k bench100k; do
  curl -sk -o /dev/null -w "$base: %{time_total} s, %{size_download} bytes" "$URL/GetProductos/${TOKEN}2$base"
  echo ", peak memory after: $(pico) kB"
done

echo "== GetAlmacenes, 64 sessions, 64 keep-alive connections"
export SESIONES="$HOME_BENCH/sesiones.txt"
for _ in $(seq 64); do nueva_sesion; done >"$SESIONES"
wrk -t2 -c64 -d"$DURACION" --latency -s bench/sesiones.lua "$URL/GetAlmacenes/${TOKEN}2adDemo"
detiene_servidor

echo "== Serialisation against reading the rows (100,000 products)"
"$SERIALIZA" "$HOME_BENCH/datos" bench100k
