#!/usr/bin/env bash
# REST front under load: VersionSync calls per second with 64 sessions over 64
# keep-alive connections, then the latency at 1,000 connections.
set -euo pipefail
source "$(dirname "$0")/servidor_bench.sh"
DURACION=${DURACION:-10s}
arranca_servidor

export SESIONES="$HOME_BENCH/sesiones.txt"
for _ in $(seq 64); do nueva_sesion; done >"$SESIONES"
METODO="$URL/VersionSync/${TOKEN}2adDemo"

echo "== VersionSync, 64 sessions, 64 keep-alive connections"
wrk -t2 -c64 -d"$DURACION" --latency -s bench/sesiones.lua "$METODO"
echo "== VersionSync, 64 sessions, 1000 keep-alive connections"
wrk -t2 -c1000 -d"$DURACION" --timeout 10s --latency -s bench/sesiones.lua "$METODO"
