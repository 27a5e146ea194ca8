#!/usr/bin/env bash
# Runs the suites on company databases (fixtures derived from ConBaseEmpresa,
# tests/BaseEmpresaPrueba.h) with the company connection going through an
# ODBC driver instead of the embedded back end.
# Usage: prueba_odbc_empresas.sh QUORVEX_TESTS TESTS_DIR DRIVER
# Exits 77 (skipped) only when DRIVER is not registered with unixODBC.
set -euo pipefail
pruebas=$1
fuentes=$2
driver=$3

if ! odbcinst -q -d -n "$driver" >/dev/null 2>&1; then
  echo "El driver ODBC \"$driver\" no está registrado"
  exit 77
fi

# The fixtures and the fixtures derived from them, to a fixed point.
bases="ConBaseEmpresa"
suites=""
while :; do
  patron="class [A-Za-z0-9_]+ : public (pruebas::)?($bases)\b"
  halladas=$(cat "$fuentes"/*.cpp | grep -oE "$patron" | awk '{print $2}' | sort -u | paste -sd ' ' -)
  [ "$halladas" = "$suites" ] && break
  suites=$halladas
  bases="ConBaseEmpresa|${suites// /|}"
done
[ -n "$suites" ] || { echo "No se encontraron suites sobre ConBaseEmpresa en $fuentes"; exit 1; }

filtro=""
for s in $suites; do filtro+="$s.*:*/$s.*:"; done
echo "Suites por ODBC ($driver): $suites"
QUORVEX_PRUEBAS_PROVIDER="$driver" exec "$pruebas" --gtest_filter="${filtro%:}"
