#include "hosting/TablaJson.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "hosting/ArchivoTemporal.h"
#include "hosting/Json.h"

namespace quorvex {

namespace {

// Size of the pieces handed to the connection.
constexpr std::size_t kPieza = 64 * 1024;

struct Tramo {
  std::uint64_t desde;
  std::size_t largo;
};

struct ColumnaJson {
  std::string nombre;
  db::TipoDato tipo;          // declared, else the type of the first non-null value
  std::size_t mayor = 0;      // longest text (characters) or binary value (bytes)
  std::string valores;        // comma-separated values not yet moved to the file
  std::vector<Tramo> tramos;  // values already in the file, in row order
  bool conValores = false;
};

// The column description's type code, size and precision. The codes are a
// fixed numbering (callers find columns by name; the codes only describe):
//   26 text, 18 integer (64-bit), 7 floating point, 4 Boolean,
//   24 date-time (text "YYYY-MM-DD HH:MM:SS.mmm"), 15 binary (array of bytes).
// A column with no declared type and only NULL values is described as text.
struct Descripcion {
  int codigo;
  std::size_t tamano;
  std::size_t precision;
};

Descripcion Describe(const ColumnaJson& c) {
  switch (c.tipo) {
    case db::TipoDato::Entero:
      return {18, 8, 19};
    case db::TipoDato::Doble:
      return {7, 8, 15};
    case db::TipoDato::Booleano:
      return {4, 2, 0};
    case db::TipoDato::FechaHora:
      return {24, 16, 0};
    case db::TipoDato::Binario:
      return {15, c.mayor, c.mayor};
    case db::TipoDato::Texto:
    case db::TipoDato::Nulo:
      break;
  }
  return {26, c.mayor, c.mayor};
}

std::size_t Caracteres(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char b) { return (static_cast<unsigned char>(b) & 0xC0) != 0x80; }));
}

void AgregaEntero(std::string& destino, std::int64_t n) {
  char cifras[24];
  destino.append(cifras, std::to_chars(cifras, cifras + sizeof cifras, n).ptr);
}

// Values are appended straight to the column's buffer: a data set of 100,000
// rows writes millions of them.
void EscribeValor(std::string& destino, const db::Cursor& cursor, int i, ColumnaJson& columna) {
  const db::TipoDato tipo = cursor.Tipo(i);
  if (tipo != db::TipoDato::Nulo && columna.tipo == db::TipoDato::Nulo) columna.tipo = tipo;
  switch (tipo) {
    case db::TipoDato::Nulo:
      destino += "null";
      return;
    case db::TipoDato::Entero:
      if (columna.tipo == db::TipoDato::Booleano)
        destino += cursor.Entero(i) != 0 ? "true" : "false";
      else
        AgregaEntero(destino, cursor.Entero(i));
      return;
    case db::TipoDato::Booleano:
      destino += cursor.Entero(i) != 0 ? "true" : "false";
      return;
    case db::TipoDato::Doble:
      AgregaDobleJson(destino, cursor.Doble(i));
      return;
    case db::TipoDato::Texto:
    case db::TipoDato::FechaHora: {
      const std::string_view texto = cursor.Texto(i);
      // Characters never outnumber bytes: most values need no count.
      if (texto.size() > columna.mayor) columna.mayor = std::max(columna.mayor, Caracteres(texto));
      AgregaTextoJson(destino, texto);
      return;
    }
    case db::TipoDato::Binario: {
      const std::string_view bytes = cursor.Texto(i);
      columna.mayor = std::max(columna.mayor, bytes.size());
      destino += '[';
      for (std::size_t b = 0; b < bytes.size(); ++b) {
        if (b > 0) destino += ',';
        AgregaEntero(destino, static_cast<unsigned char>(bytes[b]));
      }
      destino += ']';
      return;
    }
  }
}

class CuerpoTablaJson final : public FuenteCuerpo {
 public:
  CuerpoTablaJson(db::Cursor& cursor, std::string prefijo, std::string sufijo, std::size_t presupuesto) {
    for (const auto& c : cursor.Columnas()) {
      columnas_.emplace_back();
      columnas_.back().nombre = c.nombre;
      columnas_.back().tipo = c.tipo;
    }
    LeeFilas(cursor, presupuesto);
    ArmaPiezas(std::move(prefijo), std::move(sufijo));
    buffer_.reserve(kPieza);
  }

  std::string_view Siguiente() override {
    buffer_.clear();
    while (buffer_.size() < kPieza && actual_ < piezas_.size()) {
      const Pieza& pieza = piezas_[actual_];
      const std::size_t largo = std::visit(Largo{}, pieza);
      const std::size_t toma = std::min(largo - avance_, kPieza - buffer_.size());
      if (const auto* tramo = std::get_if<Tramo>(&pieza)) {
        const std::size_t antes = buffer_.size();
        buffer_.resize(antes + toma);
        archivo_->Lee(tramo->desde + avance_, {buffer_.data() + antes, toma});
      } else {
        buffer_.append(Texto(pieza).substr(avance_, toma));
      }
      avance_ += toma;
      if (avance_ == largo) {
        ++actual_;
        avance_ = 0;
      }
    }
    return buffer_;
  }

 private:
  // Literal text, a column's values still in memory, or a stretch of the file.
  using Pieza = std::variant<std::string, const std::string*, Tramo>;

  struct Largo {
    std::size_t operator()(const std::string& s) const { return s.size(); }
    std::size_t operator()(const std::string* s) const { return s->size(); }
    std::size_t operator()(const Tramo& t) const { return t.largo; }
  };

  static std::string_view Texto(const Pieza& pieza) {
    if (const auto* literal = std::get_if<std::string>(&pieza)) return *literal;
    return *std::get<const std::string*>(pieza);
  }

  void LeeFilas(db::Cursor& cursor, std::size_t presupuesto) {
    std::size_t enMemoria = 0;
    while (cursor.Siguiente()) {
      for (std::size_t i = 0; i < columnas_.size(); ++i) {
        ColumnaJson& columna = columnas_[i];
        const std::size_t antes = columna.valores.size();
        if (columna.conValores) columna.valores += ',';
        EscribeValor(columna.valores, cursor, static_cast<int>(i), columna);
        columna.conValores = true;
        enMemoria += columna.valores.size() - antes;
      }
      if (enMemoria > presupuesto) {
        Vuelca();
        enMemoria = 0;
      }
    }
  }

  void Vuelca() {
    if (!archivo_) archivo_.emplace();
    for (ColumnaJson& columna : columnas_) {
      if (columna.valores.empty()) continue;
      columna.tramos.push_back({archivo_->Agrega(columna.valores), columna.valores.size()});
      columna.valores.clear();
    }
  }

  void ArmaPiezas(std::string prefijo, std::string sufijo) {
    std::string texto = std::move(prefijo);
    texto += "{\"table\":[";
    SalidaTexto salida(texto);
    EscritorJson escritor(salida);
    for (std::size_t i = 0; i < columnas_.size(); ++i) {
      const ColumnaJson& c = columnas_[i];
      const Descripcion d = Describe(c);
      if (i > 0) texto += ',';
      escritor.Reset(salida);
      escritor.StartArray();
      escritor.String(c.nombre.data(), static_cast<rapidjson::SizeType>(c.nombre.size()));
      escritor.Int(d.codigo);
      escritor.Uint64(i);  // ordinal, from 0
      escritor.Int(0);     // sub-type
      escritor.Int(0);     // scale
      escritor.Uint64(d.tamano);
      escritor.Uint64(d.precision);
      escritor.Int(0);       // child position
      escritor.Bool(true);   // nullable
      escritor.Bool(false);  // hidden
      escritor.Int(0);       // parameter direction
      escritor.Bool(false);  // value parameter
      escritor.Bool(false);  // literal
      escritor.EndArray();
    }
    texto += ']';
    for (const ColumnaJson& c : columnas_) {
      texto += ',';
      AgregaTextoJson(texto, c.nombre);
      texto += ":[";
      piezas_.emplace_back(std::move(texto));
      for (const Tramo& t : c.tramos) piezas_.emplace_back(t);
      if (!c.valores.empty()) piezas_.emplace_back(&c.valores);
      texto = "]";
    }
    texto += '}';
    texto += sufijo;
    piezas_.emplace_back(std::move(texto));
  }

  std::vector<ColumnaJson> columnas_;
  std::optional<ArchivoTemporal> archivo_;  // created when the budget is first passed
  std::vector<Pieza> piezas_;
  std::size_t actual_ = 0;  // piece being sent
  std::size_t avance_ = 0;  // bytes of it already sent
  std::string buffer_;
};

}  // namespace

std::unique_ptr<FuenteCuerpo> CuerpoTabla(db::Cursor& cursor, std::string prefijo, std::string sufijo,
                                          std::size_t presupuesto) {
  return std::make_unique<CuerpoTablaJson>(cursor, std::move(prefijo), std::move(sufijo), presupuesto);
}

}  // namespace quorvex
