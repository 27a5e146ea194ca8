#pragma once
// The daily operation log "BitacoraSync" + YYYYMMDD + ".txt" in the
// installation directory, and its trace variant.
#include <chrono>
#include <filesystem>
#include <string>

namespace quorvex {

// Appends "date-time remote-address text" to today's file and copies the line
// into the configuration value "Ultimo error ". Never throws.
void Bitacora(const std::string& pDato);
// Bitacora when the trace is switched on; otherwise nothing.
void BitacoraM(const std::string& pDato);
// Records the caller address written into log lines; empty text is ignored.
void ActualziaRemoteIP(const std::string& pIP);

void FijaBitacoraMActiva(bool activa);
bool BitacoraMActiva();

// Today's log file name, for instance "BitacoraSync20240131.txt".
std::string NombreArchivoBitacora(std::chrono::system_clock::time_point dia);

namespace detalle {
// Bitacora with an explicit clock, for the day-rotation rules.
void Bitacora(const std::string& pDato, std::chrono::system_clock::time_point ahora);
}

}  // namespace quorvex
