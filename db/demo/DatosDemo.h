#pragma once
// Demo databases: one small company ("Comercializadora Los Álamos", see
// Catalogo.h) in every product family, and the general databases that list
// it, so that the server can be run and tested without CONTPAQi.
#include <filesystem>
#include <span>

#include "db/demo/Escritor.h"

namespace quorvex::db::demo {

struct BaseDemo {
  const char* base;     // database name; its file is base + ".db"
  const char* esquema;  // see db/Esquemas.h
  void (*llena)(Escritor&);
};

// adDemo (Comercial Premium), apDemo (AdminPAQ), sapDemo (SAP Business One),
// proDemo (Comercial Pro, named "proDemo001" by callers), ctDemo
// (Contabilidad y Bancos) and the general databases CompacWAdmin,
// GeneralesSQL and nomGenerales.
std::span<const BaseDemo> BasesDemo();

// What every Comercial Premium database of the demo company shares:
// parameters, document kinds and concepts, units and their conversions,
// classifications, characteristics, warehouses and agents.
void LlenaCatalogosComercial(Escritor& e);

void LlenaDemoComercial(Escritor& e);
void LlenaDemoAdminpaq(Escritor& e);
void LlenaDemoSap(Escritor& e);
void LlenaDemoComercialPro(Escritor& e);
void LlenaDemoContabilidad(Escritor& e);
void LlenaDemoCompacWAdmin(Escritor& e);
void LlenaDemoGeneralesSql(Escritor& e);
void LlenaDemoNomGenerales(Escritor& e);

// Creates, in carpetaDatos (made if missing), every demo database whose file
// is not there yet; existing files are left as they are. A database appears
// complete or not at all.
void CreaDemo(const std::filesystem::path& carpetaDatos);

}  // namespace quorvex::db::demo
