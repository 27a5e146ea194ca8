// Write transactions of the database layer: nothing of an unconfirmed
// transaction stays.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "BaseSqlitePrueba.h"
#include "db/Esquemas.h"
#include "db/Sqlite.h"
#include "db/Transaccion.h"

namespace quorvex {
namespace {

class Transaccion : public ::testing::Test {
 protected:
  void SetUp() override {
    db::CreaBaseDatos(carpeta_ / "empresa.db", "comercial");
    conexion_ = db::AbreSqlite(carpeta_.ruta().string(), "empresa");
  }

  void AgregaAgente(int id) {
    conexion_->Prepara("insert into admAgentes (CIDAGENTE) values (" + std::to_string(id) + ")")->Ejecuta();
  }

  // Read through a second connection, which sees only what was committed.
  std::int64_t Agentes() {
    auto otra = db::AbreSqlite(carpeta_.ruta().string(), "empresa");
    auto consulta = otra->Prepara("select count(*) from admAgentes");
    db::Cursor& c = consulta->Abre();
    c.Siguiente();
    return c.Entero(0);
  }

  prueba::CarpetaTemporal carpeta_;
  std::unique_ptr<db::Conexion> conexion_;
};

TEST_F(Transaccion, SinConfirmarSeRevierteYConfirmadaQueda) {
  {
    db::Transaccion t(*conexion_);
    AgregaAgente(1);
    AgregaAgente(2);
  }
  EXPECT_EQ(Agentes(), 0);
  {
    db::Transaccion t(*conexion_);
    AgregaAgente(3);
    t.Confirma();
  }
  EXPECT_EQ(Agentes(), 1);
}

TEST_F(Transaccion, UnaExcepcionDejaLaBaseComoEstaba) {
  EXPECT_THROW(
      {
        db::Transaccion t(*conexion_);
        AgregaAgente(1);
        AgregaAgente(1);  // duplicate key
        t.Confirma();
      },
      db::Error);
  EXPECT_EQ(Agentes(), 0);
  // The connection takes a new transaction afterwards.
  db::Transaccion t(*conexion_);
  AgregaAgente(1);
  t.Confirma();
  EXPECT_EQ(Agentes(), 1);
}

TEST_F(Transaccion, NoSeAnida) {
  db::Transaccion t(*conexion_);
  EXPECT_THROW(conexion_->IniciaTransaccion(), db::Error);
}

}  // namespace
}  // namespace quorvex
