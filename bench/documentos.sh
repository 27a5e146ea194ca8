#!/usr/bin/env bash
# The document write path under load: documents (a header and ten movements)
# per second into the demo company, for one caller and for sixteen at once.
set -euo pipefail
source "$(dirname "$0")/servidor_bench.sh"
DURACION=${DURACION:-10s}
arranca_servidor
export TOKEN_EMPRESA="${TOKEN}2adDemo"
METODO="https://127.0.0.1:$PUERTO/"

echo "== 1 caller"
wrk -t1 -c1 -d"$DURACION" -s bench/documentos.lua "$METODO"
echo "== 16 callers"
wrk -t16 -c16 -d"$DURACION" -s bench/documentos.lua "$METODO"
