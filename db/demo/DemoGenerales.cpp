// The general databases that list the demo company in each CONTPAQi family,
// and its Contabilidad y Bancos company database (ctDemo).
#include "db/demo/Catalogo.h"
#include "db/demo/DatosDemo.h"

namespace quorvex::db::demo {

void LlenaDemoCompacWAdmin(Escritor& e) {
  e.Inserta("empresas", {
                            {"CIDEMPRESA", 1},
                            {"CNOMBREEMPRESA", "(Predeterminada)"},
                            {"CRUTADATOS", R"(C:\Compac\Empresas\Reportes)"},
                        });
  e.Inserta("empresas", {
                            {"CIDEMPRESA", 2},
                            {"CNOMBREEMPRESA", kNombreEmpresa},
                            {"CRUTADATOS", R"(C:\Compac\Empresas\adDemo)"},
                        });
}

void LlenaDemoGeneralesSql(Escritor& e) {
  e.Inserta("ListaEmpresas", {{"Id", 1}, {"Nombre", kNombreEmpresa}, {"AliasBDD", "ctDemo"}});
}

void LlenaDemoContabilidad(Escritor& e) {
  e.Inserta("Parametros", {
                              {"Id", 1},
                              {"RazonSocial", kNombreEmpresa},
                              {"RFC", kRfcEmpresa},
                              {"GUIDDSL", "3F2A9B7C-1D4E-4A6B-8C5D-9E0F1A2B3C4D"},
                          });
}

void LlenaDemoNomGenerales(Escritor& e) {
  e.Inserta("NOM10000", {
                            {"IDEmpresa", 1},
                            {"NombreEmpresa", kNombreEmpresa},
                            {"NombreCorto", "Los Álamos"},
                            {"RutaEmpresa", "nmDemo"},
                            {"GUIDDSL", "5A7C9E1B-3D5F-4B7A-9C1E-3F5A7B9C1D3E"},
                        });
  // A company registered without data yet: not listed.
  e.Inserta("NOM10000", {
                            {"IDEmpresa", 2},
                            {"NombreEmpresa", "Servicios Administrativos Los Álamos, S.C."},
                            {"NombreCorto", "Servicios Álamos"},
                            {"RutaEmpresa", ""},
                        });
}

}  // namespace quorvex::db::demo
